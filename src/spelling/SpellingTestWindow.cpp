#include "spelling/SpellingTestWindow.h"

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Speaker.h"
#include "ui/FileExport.h"
#include "ui/WindowLook.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

using namespace Qt::StringLiterals;

namespace {

// Lets into the answer only what the test takes, so a stray key is never a wrong letter.
class AnswerValidator final : public QValidator
{
public:
    AnswerValidator(const SpellingTest &test, QObject *parent)
        : QValidator(parent)
        , m_test(test)
    {
    }
    State validate(QString &input, int &) const override
    {
        return m_test.accepts(input) ? Acceptable : Invalid;
    }

private:
    const SpellingTest &m_test;
};

QLabel *textLabel(QWidget *parent, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(font);
    return label;
}

// A wrong letter is underlined, a missing one is a caret: the marks show without colour, the
// colour only adds to them. A space typed wrong shows as an open box, else it would not show.
QString markingHtml(const QList<SpellingMarking::Cell> &cells)
{
    const QString red = Colors::DarkRed.name();
    QString html;
    for (const SpellingMarking::Cell &cell : cells) {
        switch (cell.mark) {
        case SpellingMarking::Mark::Right:
            html += cell.typed == u" "_s ? u"&nbsp;"_s : cell.typed.toHtmlEscaped();
            break;
        case SpellingMarking::Mark::Wrong:
            html += u"<u style=\"color:"_s + red + u"\">"_s
                + (cell.typed == u" "_s ? u"\u2423"_s : cell.typed.toHtmlEscaped()) + u"</u>"_s;
            break;
        case SpellingMarking::Mark::Missing:
            html += u"<b style=\"color:"_s + red + u"\">^</b>"_s;
            break;
        }
    }
    return html;
}

} // namespace

SpellingTestWindow::SpellingTestWindow(SpellingTest::Setup setup, const Services &services,
    PracticeRecordStore &record, const Clock &clock, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(u"frmSpellingTest"_s);
    setWindowTitle(u"Wordrow - Spelling Test"_s);
    m_test.emplace(std::move(setup), *this, services.speaker, services.random, record,
        services.messages, clock);
    createControls();
    resize(sizeHint().expandedTo(QSize(560, 400)));
    // An engine found missing while the test runs: the child would listen to silence.
    connect(&services.speaker, &Speaker::availabilityChanged, this,
        [this](Speaker::Availability availability) {
            if (availability == Speaker::Availability::Unavailable)
                m_test->speechLost(m_services.speaker.unavailableReason());
        });
    m_test->start();
}

void SpellingTestWindow::createControls()
{
    auto *layout = new QVBoxLayout(this);
    m_number = textLabel(this, desktopFont(14, true));
    m_number->setObjectName(u"lblSpellingNumber"_s);
    layout->addWidget(m_number);

    m_prompt = textLabel(this, desktopFont(12));
    m_prompt->setObjectName(u"lblSpellingPrompt"_s);
    layout->addWidget(m_prompt);

    auto *row = new QHBoxLayout;
    m_answer = new QLineEdit(this);
    m_answer->setObjectName(u"txtSpellingAnswer"_s);
    m_answer->setAccessibleName(u"Your spelling"_s);
    m_answer->setFont(desktopFont(20));
    m_answer->setMaxLength(SpellingTest::MaxAnswerLength);
    m_answer->setValidator(new AnswerValidator(*m_test, m_answer));
    // A speller's own mistakes are the point: no completion, no correction.
    m_answer->setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    connect(
        m_answer, &QLineEdit::returnPressed, this, [this] { m_test->answer(m_answer->text()); });
    row->addWidget(m_answer, 1);
    m_sayAgain = new QPushButton(u"Say It Again"_s, this);
    m_sayAgain->setObjectName(u"cmdSpellingSayAgain"_s);
    // This window's own: the main window's Ctrl+R belongs to the main window.
    m_sayAgain->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_sayAgain->setToolTip(u"Say the word again (Ctrl+R)"_s);
    m_sayAgain->setAutoDefault(false);
    connect(m_sayAgain, &QPushButton::clicked, this, [this] {
        m_test->sayAgain();
        m_answer->setFocus();
    });
    row->addWidget(m_sayAgain);
    layout->addLayout(row);

    m_feedback = textLabel(this, desktopFont(12, true));
    m_feedback->setObjectName(u"lblSpellingFeedback"_s);
    layout->addWidget(m_feedback);
    m_marking = new QLabel(this);
    m_marking->setObjectName(u"lblSpellingMarking"_s);
    m_marking->setTextFormat(Qt::RichText);
    m_marking->setFont(desktopFont(28, true));
    layout->addWidget(m_marking);
    m_legend = textLabel(this, desktopFont(10));
    m_legend->setText(u"Underlined: a wrong letter.   ^ : a letter missing here."_s);
    layout->addWidget(m_legend);

    m_score = textLabel(this, desktopFont(16, true));
    m_score->setObjectName(u"lblSpellingScore"_s);
    layout->addWidget(m_score);
    m_missed = textLabel(this, desktopFont(12));
    m_missed->setObjectName(u"lblSpellingMissed"_s);
    m_missed->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_missed);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_print = new QPushButton(u"Print"_s, this);
    m_print->setObjectName(u"cmdSpellingPrint"_s);
    connect(m_print, &QPushButton::clicked, this, &SpellingTestWindow::print);
    buttons->addWidget(m_print);
    auto *close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"cmdSpellingClose"_s);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    for (QWidget *widget : {static_cast<QWidget *>(m_marking), static_cast<QWidget *>(m_legend),
             static_cast<QWidget *>(m_score), static_cast<QWidget *>(m_missed),
             static_cast<QWidget *>(m_print)})
        widget->hide();
    m_answer->setFocus();
}

void SpellingTestWindow::showWordNumber(const QString &text)
{
    m_number->setText(text);
}

void SpellingTestWindow::showPrompt(const QString &text)
{
    m_prompt->setText(text);
    m_prompt->setVisible(!text.isEmpty());
}

void SpellingTestWindow::showFeedback(
    const QString &text, const QList<SpellingMarking::Cell> &cells, const QString &description)
{
    m_feedback->setText(text);
    m_marking->setText(markingHtml(cells));
    m_marking->setAccessibleName(description);
    m_marking->setToolTip(description);
    m_marking->setVisible(!cells.isEmpty());
    m_legend->setVisible(!cells.isEmpty());
}

void SpellingTestWindow::clearAnswer()
{
    m_answer->clear();
    m_answer->setFocus();
}

void SpellingTestWindow::showEnd(const QString &score, const QStringList &missed)
{
    m_answer->setEnabled(false);
    m_sayAgain->setEnabled(false);
    m_score->setText(score);
    m_missed->setText(
        missed.isEmpty() ? u"No word missed."_s : u"Missed: "_s + missed.join(u", "_s));
    for (QWidget *widget : {static_cast<QWidget *>(m_score), static_cast<QWidget *>(m_missed),
             static_cast<QWidget *>(m_print)})
        widget->show();
    m_print->setDefault(true);
    m_print->setFocus();
}

void SpellingTestWindow::closeEvent(QCloseEvent *event)
{
    // The answers are kept as they come; only the word being said need stop.
    if (m_test->stage() != SpellingTest::Stage::Ended)
        m_services.speaker.stop();
    event->accept();
}

bool SpellingTestWindow::writePdf(const QString &path)
{
    return said(FileExport::writePdf(path, m_test->resultHtml(), u"Spelling test"_s));
}

bool SpellingTestWindow::said(const FileExport::Failure &failure)
{
    if (failure)
        m_services.messages.inform(*failure, u"Wordrow"_s, MessageBoxes::Icon::Information);
    return !failure;
}

void SpellingTestWindow::print()
{
#ifdef WORDROW_PRINTING
    said(FileExport::print(
        m_test->resultHtml(), u"Spelling test"_s, u"Print the Spelling Test"_s, this));
#else
    FileDialogs::Options options;
    options.title = u"Save the Spelling Test as PDF"_s;
    options.nameFilters = {u"PDF files (*.pdf)"_s};
    options.confirmOverwrite = true;
    options.startFolder = QDir::homePath();
    options.fileName = m_test->player() + u" spelling test.pdf"_s;
    options.defaultSuffix = u"pdf"_s;
    if (const std::optional<QString> path = m_services.dialogs.getSaveFileName(options))
        writePdf(*path);
#endif
}
