#include "frmTopics.h"

#include "TopicsLayout.h"
#include "Twips.h"
#include "WindowLook.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

const QColor LightGrey(224, 224, 224);
const QColor DarkBlue(0, 0, 192);
const QColor DarkRed(192, 0, 0);

// The desktop's colours for the inside of windows: a label painted with them looks like the text
// box beside it.
QColor windowText()
{
    return QApplication::palette().color(QPalette::Text);
}

QColor windowBackground()
{
    return QApplication::palette().color(QPalette::Base);
}

QLabel *createLabel(QWidget *parent, const QString &text, const QFont &font, const QColor &color,
    const QColor &background)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    return label;
}

} // namespace

frmTopics::frmTopics(Module1 &state, SoundPlayer &player, QWidget *parent)
    : QMainWindow(parent)
    , m_model(state, *this, player)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Help Topics"_s);

    m_mnuClose = menuBar()->addAction(u"&Close"_s);
    connect(m_mnuClose, &QAction::triggered, this, &QWidget::close);

    createControls();
    connect(m_lstContents, &QListWidget::itemSelectionChanged, this, &frmTopics::passOnSelection);

    // The client area has the restored size, centred on the screen; the menu bar comes on top.
    const QSize client(Twips::toPixels(TopicsLayout::RestoredWidth),
        Twips::toPixels(TopicsLayout::RestoredHeight));
    const QSize outer(client.width(), client.height() + menuBar()->sizeHint().height());
    if (const QScreen *shownOn = screen())
        setGeometry(QStyle::alignedRect(
            Qt::LeftToRight, Qt::AlignCenter, outer, shownOn->availableGeometry()));
    else
        resize(outer);

    m_model.Form_Load();
    m_lstContents->setFocus();
}

void frmTopics::createControls()
{
    m_client = new QWidget(this);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);

    m_lblContents
        = createLabel(m_client, u"Contents"_s, desktopFont(9.6, true), windowText(), LightGrey);
    m_lblContents->setFrameStyle(QFrame::Box | QFrame::Plain);

    m_lstContents = new QListWidget(m_client);
    QFont listFont = desktopFont(7.8, true);
    listFont.setUnderline(true);
    m_lstContents->setFont(listFont);
    m_lstContents->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstContents->setAccessibleName(u"Contents"_s);
    QPalette listPalette = m_lstContents->palette();
    listPalette.setColor(QPalette::Text, DarkBlue);
    listPalette.setColor(QPalette::Base, LightGrey);
    m_lstContents->setPalette(listPalette);
    // Titles are condensed to fit rather than scrolled sideways.
    m_lstContents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_lblTitle = createLabel(
        m_client, u"W o r d r o w"_s, desktopFont(13.8, true), DarkRed, windowBackground());
    m_lblHeading
        = createLabel(m_client, QString(), desktopFont(12, true), windowText(), windowBackground());
    m_lblMargin = createLabel(m_client, QString(), font(), windowText(), windowBackground());

    m_txtDescription = new QPlainTextEdit(m_client);
    m_txtDescription->setFont(desktopFont(9.6, false));
    m_txtDescription->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtDescription->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtDescription->setFrameShape(QFrame::NoFrame);
    // Tab moves on rather than typing into the text, so the keyboard can always leave it.
    m_txtDescription->setTabChangesFocus(true);
    m_txtDescription->setAccessibleName(u"Description"_s);

    QWidget::setTabOrder(m_lstContents, m_txtDescription);
}

void frmTopics::passOnSelection()
{
    const QList<QListWidgetItem *> selected = m_lstContents->selectedItems();
    if (selected.isEmpty()) {
        // A list box always keeps its selection: Ctrl+click on the chosen topic must not leave
        // the text without a title in the list.
        const QSignalBlocker blocker(m_lstContents);
        if (QListWidgetItem *current = m_lstContents->currentItem())
            current->setSelected(true);
        return;
    }
    m_model.lstContents_Click(m_lstContents->row(selected.constFirst()));
}

void frmTopics::addTitle(const QString &title)
{
    m_lstContents->addItem(title);
}

void frmTopics::selectPosition(int position)
{
    m_lstContents->setCurrentRow(position);
}

void frmTopics::setHeading(const QString &heading)
{
    m_lblHeading->setText(heading);
}

void frmTopics::setDescription(const QString &text)
{
    m_txtDescription->setPlainText(text);
    m_txtDescription->moveCursor(QTextCursor::Start);
}

bool frmTopics::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmTopics::Form_Resize()
{
    const TopicsLayout layout = TopicsLayout::forClientSize(
        Twips::fromPixels(m_client->width()), Twips::fromPixels(m_client->height()));
    placeInTwips(m_lblContents, layout.lblContents);
    placeInTwips(m_lblTitle, layout.lblTitle);
    placeInTwips(m_lblHeading, layout.lblHeading);
    placeInTwips(m_lstContents, layout.lstContents);
    placeInTwips(m_lblMargin, layout.lblMargin);
    placeInTwips(m_txtDescription, layout.txtDescription);
    fitTitles();
}

// The column was sized for a narrower font than most desktops have: where the titles would not
// fit, they are condensed a little, never below a readable width, at the same point size.
void frmTopics::fitTitles()
{
    const int itemMargins
        = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_lstContents) + 1);
    const int room = m_lstContents->width() - 2 * m_lstContents->frameWidth() - itemMargins;
    QFont font = m_lstContents->font();
    for (int stretch = 100; stretch >= MinimumTitleStretch; stretch -= 5) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (int i = 0; i < m_lstContents->count() && fits; ++i)
            fits = metrics.horizontalAdvance(m_lstContents->item(i)->text()) <= room;
        if (fits)
            break;
    }
    m_lstContents->setFont(font);
}

void frmTopics::closeEvent(QCloseEvent *event)
{
    // A second request while the window waits to be deleted plays nothing more.
    if (!m_unloaded) {
        m_unloaded = true;
        m_model.Form_Unload();
    }
    event->accept();
}
