#include "progress/ClassRecordDialog.h"

#include "progress/ClassRecordSetup.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ClassRecordDialog::ClassRecordDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(u"Class Record"_s);
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(
        u"A school's computers can send their rounds to one class database "
        u"for the teacher's view. Type the service name from this "
        u"computer's pg_service.conf; the password stays in .pgpass, never "
        u"with Wordrow. Leave it empty for no class record. Only the teacher's computer "
        u"needs the teacher's service, which shows the class."_s,
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *form = new QFormLayout;
    m_service = new QLineEdit(this);
    m_service->setObjectName(u"txtClassService"_s);
    m_teacherService = new QLineEdit(this);
    m_teacherService->setObjectName(u"txtTeacherService"_s);
    m_computer = new QLineEdit(this);
    m_computer->setObjectName(u"txtComputerName"_s);
    form->addRow(u"&Service name:"_s, m_service);
    form->addRow(u"&Teacher's service (class view):"_s, m_teacherService);
    form->addRow(u"This &computer's name:"_s, m_computer);
    layout->addLayout(form);

    m_test = new QPushButton(u"&Test the connection"_s, this);
    m_test->setObjectName(u"cmdTestConnection"_s);
    m_test->setAutoDefault(false);
    layout->addWidget(m_test, 0, Qt::AlignLeft);
    m_outcome = new QLabel(this);
    m_outcome->setObjectName(u"lblClassOutcome"_s);
    m_outcome->setTextFormat(Qt::PlainText);
    m_outcome->setWordWrap(true);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_outcome);
    m_waiting = new QLabel(this);
    m_waiting->setObjectName(u"lblClassWaiting"_s);
    m_waiting->setTextFormat(Qt::PlainText);
    m_waiting->setWordWrap(true);
    m_waiting->hide();
    layout->addWidget(m_waiting);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_clear = buttons->addButton(u"C&lear"_s, QDialogButtonBox::ResetRole);
    m_clear->setObjectName(u"cmdClearClassRecord"_s);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_test, &QPushButton::clicked, this, [this] {
        if (m_setup)
            m_setup->test(m_service->text(), m_teacherService->text(), m_computer->text());
    });
    connect(m_clear, &QPushButton::clicked, this, [this] {
        if (m_setup && m_setup->clear())
            QDialog::accept();
    });
    resize(sizeHint().expandedTo(QSize(520, 0)));
}

void ClassRecordDialog::setSetup(ClassRecordSetup &setup)
{
    m_setup = &setup;
    setup.load();
}

void ClassRecordDialog::accept()
{
    if (!m_setup || m_setup->apply(m_service->text(), m_teacherService->text(), m_computer->text()))
        QDialog::accept();
}

void ClassRecordDialog::showSettings(
    const QString &service, const QString &teacherService, const QString &computer)
{
    m_service->setText(service);
    m_teacherService->setText(teacherService);
    m_computer->setText(computer);
}

void ClassRecordDialog::showDefaultComputer(const QString &name)
{
    // An emptied field shows what it stands for rather than hiding it.
    m_computer->setPlaceholderText(name);
}

void ClassRecordDialog::showWaiting(const QString &text)
{
    m_waiting->setText(text);
    m_waiting->setVisible(!text.isEmpty());
    growToFit();
}

// Wrapped lines that come later need more height than the dialog was given when it was made.
void ClassRecordDialog::growToFit()
{
    const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : layout()->totalSizeHint().height();
    if (needed > height())
        resize(width(), needed);
}

void ClassRecordDialog::showTesting(bool testing)
{
    m_test->setEnabled(!testing);
    if (testing)
        m_outcome->setText(u"Trying the class database..."_s);
}

void ClassRecordDialog::showOutcome(const QString &text, bool good)
{
    Q_UNUSED(good)
    m_outcome->setText(text);
    growToFit();
}
