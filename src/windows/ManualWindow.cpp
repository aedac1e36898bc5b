#include "windows/ManualWindow.h"

#include "ui/WindowLook.h"
#include "windows/ManualText.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#ifdef WORDROW_PRINTING
#include <QPrintDialog>
#include <QPrinter>
#endif

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QSize DefaultSize(800, 600);
const QSize MinimumSize(240, 180);
// In a window made smaller, the bookmarks give way first: the text keeps most of the room.
constexpr double MaxBookmarksShare = 0.4;

// Headings in the game's own colours: the title red like the help window's, sections blue.
QString headingStyleSheet()
{
    return u"h1 { color: %1; } h2 { color: %2; } th { background-color: %3; }"_s.arg(
        Colors::DarkRed.name(), Colors::DarkBlue.name(), Colors::LightGrey.name());
}

constexpr QStringView MissingText = u"The instruction manual is missing from this copy of Wordrow. "
                                    u"The help topics on the Help menu describe the game.";

// The names a heading can be reached by; a heading may have none.
QString anchorOf(const QTextBlock &block)
{
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const QStringList names = fragment.fragment().charFormat().anchorNames();
        if (!names.isEmpty())
            return names.constFirst();
    }
    const QStringList names = block.charFormat().anchorNames();
    return names.isEmpty() ? QString() : names.constFirst();
}

} // namespace

ManualWindow::ManualWindow(PictureSet::Set pictures, QWidget *parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Wordrow Instruction Manual"_s);
    setMinimumSize(MinimumSize);

    createMenus();
    createControls();
    loadManual(pictures);

    // Centred on the screen, and never larger than it.
    QSize size = DefaultSize;
    if (const QScreen *shownOn = screen()) {
        const QRect available = shownOn->availableGeometry();
        size = size.boundedTo(available.size());
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
    } else {
        resize(size);
    }

    // The bookmarks as wide as their longest title, until the player says otherwise.
    m_bookmarksWidth = m_bookmarks->sizeHintForColumn(0) + 2 * m_bookmarks->frameWidth()
        + 2 * m_bookmarks->spacing() + m_bookmarks->verticalScrollBar()->sizeHint().width() + 4;
    connect(m_splitter, &QSplitter::splitterMoved, this,
        [this] { m_bookmarksWidth = m_splitter->sizes().value(0); });
    fitBookmarks();

    m_bookmarks->setFocus();
}

void ManualWindow::createMenus()
{
#ifdef WORDROW_PRINTING
    m_printAction = menuBar()->addAction(u"&Print..."_s);
    connect(m_printAction, &QAction::triggered, this, &ManualWindow::printManual);
#endif
    m_closeAction = menuBar()->addAction(u"&Close"_s);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
}

void ManualWindow::createControls()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    // Dragged all the way, neither side disappears for good.
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);

    auto *pane = new QWidget(m_splitter);
    auto *paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(4, 4, 0, 4);
    paneLayout->setSpacing(4);
    QLabel *heading = createLabel(
        u"Bookmarks"_s, desktopFont(10, true), Qt::AlignLeft | Qt::AlignVCenter, pane);
    paneLayout->addWidget(heading);

    m_bookmarks = new QListWidget(pane);
    m_bookmarks->setAccessibleName(u"Bookmarks"_s);
    m_bookmarks->setSelectionMode(QAbstractItemView::SingleSelection);
    // Long titles wrap in a narrow pane instead of hiding behind a sideways scroll bar.
    m_bookmarks->setWordWrap(true);
    m_bookmarks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_bookmarks->setResizeMode(QListView::Adjust);
    m_bookmarks->setMinimumWidth(60);
    m_bookmarks->setFont(desktopFont(10, false));
    m_bookmarks->setSpacing(2);
    paneLayout->addWidget(m_bookmarks);

    m_text = new QTextBrowser(m_splitter);
    m_text->setAccessibleName(u"Instruction Manual"_s);
    m_text->setFont(desktopFont(11, false));
    m_text->setLineWrapMode(QTextEdit::WidgetWidth);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Links are followed here, and only within the manual: nothing is fetched or opened outside.
    m_text->setOpenExternalLinks(false);
    m_text->setOpenLinks(false);
    // Tab leaves the text rather than walking its links, so the keyboard can always get out.
    m_text->setTabChangesFocus(true);
    m_text->setMinimumWidth(120);
    connect(m_text, &QTextBrowser::anchorClicked, this, &ManualWindow::followLink);

    m_splitter->addWidget(pane);
    m_splitter->addWidget(m_text);
}

void ManualWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitBookmarks();
}

void ManualWindow::fitBookmarks()
{
    const int room = m_splitter->width() - m_splitter->handleWidth();
    const int left = std::min(m_bookmarksWidth, int(room * MaxBookmarksShare));
    m_splitter->setSizes({left, room - left});
}

void ManualWindow::loadManual(PictureSet::Set pictures)
{
    QFile file(Resource.toString());
    if (!file.open(QIODevice::ReadOnly)) {
        m_text->setPlainText(MissingText.toString());
        return;
    }
    QTextDocument *document = m_text->document();
    document->setDefaultStyleSheet(headingStyleSheet());
    document->setDocumentMargin(12);
    m_text->setHtml(ManualText::forPictures(QString::fromUtf8(file.readAll()), pictures));

    // The bookmarks are the manual's own section headings, so they never disagree with it.
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 2)
            continue;
        const QString title = block.text().simplified();
        auto *item = new QListWidgetItem(title, m_bookmarks);
        item->setToolTip(title);
        item->setData(Qt::UserRole, block.position());
        m_anchors.append(anchorOf(block));
    }
    if (m_bookmarks->count() > 0)
        m_bookmarks->setCurrentRow(0);

    // Connected only now: the first bookmark is chosen above without moving the text off its top.
    connect(m_bookmarks, &QListWidget::currentRowChanged, this, &ManualWindow::showSection);
    // Choosing the bookmark already chosen goes back to its section after reading on.
    connect(m_bookmarks, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { showSection(m_bookmarks->row(item)); });
    connect(m_bookmarks, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { showSection(m_bookmarks->row(item)); });
}

void ManualWindow::showSection(int row)
{
    if (row < 0 || row >= m_anchors.size())
        return;
    // The first section takes the manual's title along.
    if (row == 0) {
        m_text->verticalScrollBar()->setValue(0);
        return;
    }
    if (!m_anchors.at(row).isEmpty()) {
        m_text->scrollToAnchor(m_anchors.at(row));
        return;
    }
    // A heading without a name is found by where it stands.
    const QTextBlock block
        = m_text->document()->findBlock(m_bookmarks->item(row)->data(Qt::UserRole).toInt());
    const QRectF where = m_text->document()->documentLayout()->blockBoundingRect(block);
    m_text->verticalScrollBar()->setValue(int(where.top()));
}

void ManualWindow::followLink(const QUrl &link)
{
    // Only a link to a place in this manual, such as "#sounds", leads anywhere.
    if (!link.scheme().isEmpty() || !link.path().isEmpty() || link.fragment().isEmpty())
        return;
    const qsizetype row = m_anchors.indexOf(link.fragment());
    if (row >= 0)
        m_bookmarks->setCurrentRow(int(row));
    m_text->scrollToAnchor(link.fragment());
}

#ifdef WORDROW_PRINTING
void ManualWindow::printManual()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(u"Print the Instruction Manual"_s);
    if (m_text->textCursor().hasSelection())
        dialog.setOption(QAbstractPrintDialog::PrintSelection);
    if (dialog.exec() == QDialog::Accepted)
        m_text->print(&printer);
}
#endif
