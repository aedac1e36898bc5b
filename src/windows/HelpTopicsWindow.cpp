#include "windows/HelpTopicsWindow.h"

#include "ui/Twips.h"
#include "ui/WindowLook.h"
#include "windows/HelpTopicsLayout.h"

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

QLabel *createBand(QWidget *parent, const QString &text, const QFont &font, const QColor &color,
    const QColor &background)
{
    QLabel *label = createLabel(text, font, Qt::AlignCenter, parent);
    label->setAutoFillBackground(true);
    setColors(label, color, background);
    return label;
}

} // namespace

HelpTopicsWindow::HelpTopicsWindow(GameState &state, SoundPlayer &player, QWidget *parent)
    : QMainWindow(parent)
    , m_topics(state, *this, player)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(u"frmTopics"_s);
    setWindowTitle(u"Help Topics"_s);

    m_closeAction = menuBar()->addAction(u"&Close"_s);
    m_closeAction->setObjectName(u"mnuClose"_s);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);

    createControls();
    connect(
        m_contents, &QListWidget::itemSelectionChanged, this, &HelpTopicsWindow::passOnSelection);

    // The inner area has the restored size, centred on the screen; the menu bar comes on top.
    const QSize outer
        = Twips::toPixels(QSizeF(HelpTopicsLayout::RestoredWidth, HelpTopicsLayout::RestoredHeight))
        + QSize(0, menuBar()->sizeHint().height());
    if (const QScreen *shownOn = screen())
        setGeometry(QStyle::alignedRect(
            Qt::LeftToRight, Qt::AlignCenter, outer, shownOn->availableGeometry()));
    else
        resize(outer);

    m_topics.open();
    m_contents->setFocus();
}

void HelpTopicsWindow::createControls()
{
    m_inner = new QWidget(this);
    m_inner->installEventFilter(this);
    setCentralWidget(m_inner);

    m_contentsLabel = createBand(
        m_inner, u"Contents"_s, desktopFont(9.6, true), windowText(), Colors::LightGrey);
    m_contentsLabel->setObjectName(u"lblContents"_s);
    m_contentsLabel->setFrameStyle(QFrame::Box | QFrame::Plain);

    m_contents = new QListWidget(m_inner);
    m_contents->setObjectName(u"lstContents"_s);
    QFont listFont = desktopFont(7.8, true);
    listFont.setUnderline(true);
    m_contents->setFont(listFont);
    m_contents->setSelectionMode(QAbstractItemView::SingleSelection);
    m_contents->setAccessibleName(u"Contents"_s);
    QPalette listPalette = m_contents->palette();
    listPalette.setColor(QPalette::Text, Colors::DarkBlue);
    listPalette.setColor(QPalette::Base, Colors::LightGrey);
    m_contents->setPalette(listPalette);
    // Titles are condensed to fit rather than scrolled sideways.
    m_contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_titleLabel = createBand(
        m_inner, u"W o r d r o w"_s, desktopFont(13.8, true), Colors::DarkRed, windowBackground());
    m_titleLabel->setObjectName(u"lblTitle"_s);
    m_headingLabel
        = createBand(m_inner, QString(), desktopFont(12, true), windowText(), windowBackground());
    m_headingLabel->setObjectName(u"lblHeading"_s);
    m_margin = createBand(m_inner, QString(), font(), windowText(), windowBackground());
    m_margin->setObjectName(u"lblMargin"_s);

    m_description = new QPlainTextEdit(m_inner);
    m_description->setObjectName(u"txtDescription"_s);
    m_description->setFont(desktopFont(9.6, false));
    m_description->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_description->setFrameShape(QFrame::NoFrame);
    // Tab moves on rather than typing into the text, so the keyboard can always leave it.
    m_description->setTabChangesFocus(true);
    m_description->setAccessibleName(u"Description"_s);

    QWidget::setTabOrder(m_contents, m_description);
}

void HelpTopicsWindow::passOnSelection()
{
    const QList<QListWidgetItem *> selected = m_contents->selectedItems();
    if (selected.isEmpty()) {
        // A list box always keeps its selection: Ctrl+click on the chosen topic must not leave
        // the text without a title in the list.
        const QSignalBlocker blocker(m_contents);
        if (QListWidgetItem *current = m_contents->currentItem())
            current->setSelected(true);
        return;
    }
    m_topics.showTopic(m_contents->row(selected.constFirst()));
}

void HelpTopicsWindow::addTitle(const QString &title)
{
    m_contents->addItem(title);
}

void HelpTopicsWindow::selectPosition(int position)
{
    m_contents->setCurrentRow(position);
}

void HelpTopicsWindow::setHeading(const QString &heading)
{
    m_headingLabel->setText(heading);
}

void HelpTopicsWindow::setDescription(const QString &text)
{
    m_description->setPlainText(text);
    m_description->moveCursor(QTextCursor::Start);
}

bool HelpTopicsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_inner && event->type() == QEvent::Resize)
        layOutControls();
    return QMainWindow::eventFilter(watched, event);
}

void HelpTopicsWindow::layOutControls()
{
    const HelpTopicsLayout layout = HelpTopicsLayout::forInnerSize(
        Twips::fromPixels(m_inner->width()), Twips::fromPixels(m_inner->height()));
    placeInTwips(m_contentsLabel, layout.contentsLabel);
    placeInTwips(m_titleLabel, layout.titleLabel);
    placeInTwips(m_headingLabel, layout.headingLabel);
    placeInTwips(m_contents, layout.contents);
    placeInTwips(m_margin, layout.margin);
    placeInTwips(m_description, layout.description);
    fitTitles();
}

// The column was sized for a narrower font than most desktops have: where the titles would not
// fit, they are condensed a little, never below a readable width, at the same point size.
void HelpTopicsWindow::fitTitles()
{
    const int itemMargins
        = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_contents) + 1);
    const int room = m_contents->width() - 2 * m_contents->frameWidth() - itemMargins;
    QFont font = m_contents->font();
    for (int stretch = 100; stretch >= MinimumTitleStretch; stretch -= 5) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (int i = 0; i < m_contents->count() && fits; ++i)
            fits = metrics.horizontalAdvance(m_contents->item(i)->text()) <= room;
        if (fits)
            break;
    }
    m_contents->setFont(font);
}

void HelpTopicsWindow::closeEvent(QCloseEvent *event)
{
    // A second request while the window waits to be deleted plays nothing more.
    if (!m_unloaded) {
        m_unloaded = true;
        m_topics.close();
    }
    event->accept();
}
