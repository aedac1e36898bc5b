#include "windows/ManualWindow.h"
#include "app/MainWindow.h"
#include "editor/WordListEditorDialog.h"
#include "support/ProgramFixture.h"
#include "windows/HelpTopicTexts.h"
#include "windows/ManualHtml.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class ManualWindowTest : public ::testing::Test
{
protected:
    ManualWindowTest()
    {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    ~ManualWindowTest() override { delete window; }

    QScrollBar *bar() const { return window->text()->verticalScrollBar(); }
    // Where a section's heading stands in the text's window: 0 is its top edge.
    int headingTop(const QString &title) const
    {
        QTextDocument *document = window->text()->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == 2 && block.text().simplified() == title)
                return int(document->documentLayout()->blockBoundingRect(block).top())
                    - bar()->value();
        }
        ADD_FAILURE() << "no heading " << title.toStdString();
        return -1;
    }
    // Shown at the top, or as near it as the end of the text allows.
    void expectAtTop(const QString &title) const
    {
        const int top = headingTop(title);
        if (bar()->value() < bar()->maximum())
            EXPECT_EQ(top, 0) << title.toStdString();
        else
            EXPECT_TRUE(top >= 0 && top < window->text()->viewport()->height() / 2)
                << title.toStdString();
    }
    int rowOf(const QString &anchor) const { return int(window->anchors().indexOf(anchor)); }
    void clickBookmark(int row) const
    {
        QListWidget *list = window->bookmarks();
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    // Lets a closed window be deleted.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    const QString html = ManualHtml::resource();
    QPointer<ManualWindow> window = new ManualWindow;
};

} // namespace

TEST_F(ManualWindowTest, opensCentredBesideTheGameWithTheWholeManualAtItsTop)
{
    EXPECT_EQ(window->windowTitle(), u"Wordrow Instruction Manual"_s);
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(window->size(), QSize(800, 600));
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 2);

    QTextBrowser *text = window->text();
    EXPECT_EQ(text->documentTitle(), u"Wordrow Instruction Manual"_s);
    EXPECT_TRUE(text->toPlainText().startsWith(u"Wordrow Instruction Manual"_s));
    EXPECT_TRUE(text->toPlainText().contains(u"Do you want to quit?"_s));
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_GT(bar()->maximum(), 0);
    EXPECT_FALSE(text->openExternalLinks());
    EXPECT_FALSE(text->openLinks());

    EXPECT_EQ(window->bookmarks()->currentRow(), 0);
    EXPECT_EQ(QApplication::focusWidget(), window->bookmarks());

    // The help topics send readers to the "Bookmarks".
    ASSERT_TRUE(HelpTopicTexts::text(6).contains(u"Bookmarks"_s));
    bool labelled = false;
    for (const QLabel *label : window->findChildren<QLabel *>())
        labelled = labelled || (label->text() == u"Bookmarks"_s && label->isVisible());
    EXPECT_TRUE(labelled);
}

TEST_F(ManualWindowTest, bookmarksAreTheSectionHeadingsInOrder)
{
    const QList<ManualHtml::Heading> sections = ManualHtml::headings(html, 2);
    ASSERT_GE(sections.size(), 12);
    QListWidget *list = window->bookmarks();
    ASSERT_EQ(list->count(), sections.size());
    ASSERT_EQ(window->anchors().size(), sections.size());
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(list->item(i)->text(), sections[i].title);
        EXPECT_EQ(window->anchors()[i], sections[i].anchor);
    }
}

TEST_F(ManualWindowTest, aClickArrowKeysOrEnterBringTheChosenSectionToTheTop)
{
    QListWidget *list = window->bookmarks();
    const int sounds = rowOf(u"sounds"_s);
    ASSERT_GT(sounds, 0);
    clickBookmark(sounds);
    EXPECT_GT(bar()->value(), 0);
    expectAtTop(list->item(sounds)->text());

    QTest::keyClick(list, Qt::Key_Down);
    expectAtTop(list->item(sounds + 1)->text());
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    expectAtTop(list->item(sounds - 1)->text());
    QTest::keyClick(list, Qt::Key_End);
    expectAtTop(list->item(list->count() - 1)->text());
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(bar()->value(), 0);

    // Read on, then back to the chosen section: by a click on it, or Enter.
    clickBookmark(sounds);
    bar()->setValue(bar()->value() + 300);
    clickBookmark(sounds);
    expectAtTop(list->item(sounds)->text());
    bar()->setValue(0);
    QTest::keyClick(list, Qt::Key_Return);
    expectAtTop(list->item(sounds)->text());
}

TEST_F(ManualWindowTest, aLinkInTheTextLeadsToItsSectionAndItsBookmark)
{
    QTextBrowser *text = window->text();
    const QTextCursor link = text->document()->find(u"Making your own list"_s);
    ASSERT_FALSE(link.isNull());
    ASSERT_TRUE(link.charFormat().isAnchor());
    ASSERT_EQ(link.charFormat().anchorHref(), u"#own-lists"_s);
    QTextCursor inside = link;
    inside.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, text->cursorRect(inside).center());

    EXPECT_TRUE(QTest::qWaitFor([this] { return bar()->value() > 0; }));
    expectAtTop(u"Making your own list"_s);
    EXPECT_EQ(window->bookmarks()->currentRow(), rowOf(u"own-lists"_s));
    EXPECT_EQ(text->documentTitle(), u"Wordrow Instruction Manual"_s);
}

TEST_F(ManualWindowTest, aLinkOutOfTheManualGoesNowhere)
{
    QTextBrowser *text = window->text();
    const QString before = text->toHtml();
    Q_EMIT text->anchorClicked(QUrl(u"https://example.org/#sounds"_s));
    Q_EMIT text->anchorClicked(QUrl(u"other.html#sounds"_s));
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_EQ(window->bookmarks()->currentRow(), 0);
    EXPECT_EQ(text->toHtml(), before);
    EXPECT_TRUE(text->source().isEmpty());
}

TEST_F(ManualWindowTest, staysReadableInASmallWindow)
{
    EXPECT_LE(window->minimumSize().width(), 320);
    EXPECT_LE(window->minimumSize().height(), 240);
    for (const QSize size : {QSize(420, 320), QSize(800, 600), QSize(320, 240)}) {
        window->resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == size; }));
        QTextBrowser *text = window->text();
        QListWidget *list = window->bookmarks();
        // Both sides stay in view, the text with the larger share, wrapped to its width.
        EXPECT_GT(list->width(), 0);
        EXPECT_GT(text->width(), list->width());
        // The text takes its new width a moment after the window: it must then fit.
        EXPECT_TRUE(QTest::qWaitFor([&] { return text->horizontalScrollBar()->maximum() == 0; }))
            << size.width();
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0) << size.width();
    }
    // And the bookmarks still lead the way.
    const int quitting = rowOf(u"quitting"_s);
    window->bookmarks()->setCurrentRow(quitting);
    expectAtTop(window->bookmarks()->item(quitting)->text());
}

TEST_F(ManualWindowTest, printsWhereTheProgramCanAndClosesByTheMenuOrItsKey)
{
    const QList<QAction *> items = window->menuBar()->actions();
#ifdef WORDROW_PRINTING
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0], window->printAction());
    EXPECT_EQ(window->printAction()->text(), u"&Print..."_s);
#else
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(window->printAction(), nullptr);
#endif
    EXPECT_EQ(items.constLast(), window->closeAction());
    EXPECT_EQ(window->closeAction()->text(), u"&Close"_s);

    window->closeAction()->trigger();
    settle();
    EXPECT_TRUE(window.isNull());

    window = new ManualWindow;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] {
        settle();
        return window.isNull();
    }));
}

namespace {

// The manual against the game it describes.
class ManualAgreesWithTheGameTest : public ProgramFixture
{
protected:
    ManualAgreesWithTheGameTest() { startGame("\"CAT\"\r\n\"DOG\"\r\n"); }

    const QString html = ManualHtml::resource();
    const QString manual = ManualHtml::plainText(html);
};

} // namespace

TEST_F(ManualAgreesWithTheGameTest, namesEveryMenuItemAndListsEveryShortcut)
{
    const QList<QStringList> shortcuts
        = ManualHtml::tableRows(ManualHtml::section(html, u"shortcuts"_s));
    int items = 0;
    for (const QMenu *menu : window->menuBar()->findChildren<QMenu *>()) {
        for (const QAction *action : menu->actions()) {
            const QString shown = QString(action->text()).remove(u'&');
            const QString name = QString(shown).remove(u"..."_s);
            // Separators, and the lines that show which list is in use.
            if (name.isEmpty() || name.startsWith(u'('))
                continue;
            ++items;
            EXPECT_TRUE(manual.contains(name)) << name.toStdString();
            if (action->shortcut().isEmpty())
                continue;
            const QString keys = action->shortcut().toString();
            const auto row = std::find_if(shortcuts.cbegin(), shortcuts.cend(),
                [&](const QStringList &cells) { return cells.value(0) == keys; });
            ASSERT_NE(row, shortcuts.cend()) << keys.toStdString();
            EXPECT_TRUE(row->value(1).endsWith(name)) << keys.toStdString();
            EXPECT_TRUE(manual.contains(u"%1 (%2)"_s.arg(shown, keys))) << keys.toStdString();
        }
    }
    EXPECT_GE(items, 12);
    // The sounds item's other caption.
    EXPECT_TRUE(manual.contains(u"Turn On Sounds"_s));
}

TEST_F(ManualAgreesWithTheGameTest, namesTheEditorsButtonsAndChoices)
{
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->text() == u"Make &New Wordlist"_s)
            action->trigger();
    }
    WordListEditorDialog *editor = window->wordListEditor();
    ASSERT_TRUE(editor);
    const QList<QPushButton *> buttons = editor->findChildren<QPushButton *>();
    EXPECT_EQ(buttons.size(), 5);
    for (const QPushButton *button : buttons)
        EXPECT_TRUE(manual.contains(button->accessibleName())) << button->text().toStdString();
    for (const QLabel *label : editor->findChildren<QLabel *>()) {
        // Captions may be broken into lines to fit their boxes.
        QString caption = QString(label->text()).replace(u'\n', u' ');
        if (caption.endsWith(u':'))
            caption.chop(1);
        if (caption != u"> >"_s) {
            EXPECT_TRUE(manual.contains(caption, Qt::CaseInsensitive)) << caption.toStdString();
        }
    }
}
