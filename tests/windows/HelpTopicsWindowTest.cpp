#include "windows/HelpTopicsWindow.h"
#include "core/GameState.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TempDir.h"
#include "windows/HelpTopicTexts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class HelpTopicsWindowTest : public ::testing::Test
{
protected:
    HelpTopicsWindowTest()
    {
        state.homeDir = dir.path();
        state.soundCardFound = true;
        window = open();
    }
    ~HelpTopicsWindowTest() override { delete window; }

    HelpTopicsWindow *open()
    {
        auto *opened = new HelpTopicsWindow(state, player);
        opened->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(opened));
        return opened;
    }
    // The client area at a size in pixels, the menu bar on top.
    void resizeClient(const QSize &size)
    {
        QWidget *client = window->centralWidget();
        window->resize(window->size() + size - client->size());
        EXPECT_TRUE(QTest::qWaitFor([&] { return client->size() == size; }));
    }
    // The text box's text with the line ends a text box keeps.
    QString description() const
    {
        return window->findChild<QPlainTextEdit *>(u"txtDescription"_s)->toPlainText();
    }
    int scrolledTo() const
    {
        return window->findChild<QPlainTextEdit *>(u"txtDescription"_s)
            ->verticalScrollBar()
            ->value();
    }
    // Lets a closed window be deleted.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempDir dir;
    GameState state;
    RecordingSoundPlayer player;
    QPointer<HelpTopicsWindow> window;
};

} // namespace

TEST_F(HelpTopicsWindowTest, opensOnTheFirstTopicWithTheFocusInTheList)
{
    EXPECT_EQ(window->windowTitle(), u"Help Topics"_s);
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

    QListWidget *list = window->findChild<QListWidget *>(u"lstContents"_s);
    ASSERT_EQ(list->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(list->item(i)->text(), HelpTopicTexts::title(i));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"1. Opening Title Screen"_s);
    EXPECT_EQ(description(), HelpTopicTexts::text(0));
    EXPECT_EQ(window->findChild<QPlainTextEdit *>(u"txtDescription"_s)->textCursor().position(), 0);
    EXPECT_EQ(scrolledTo(), 0);
    EXPECT_EQ(QApplication::focusWidget(), list);

    // Tab goes from the list to the text and back, typing nothing.
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_EQ(
        QApplication::focusWidget(), window->findChild<QPlainTextEdit *>(u"txtDescription"_s));
    QTest::keyClick(window->findChild<QPlainTextEdit *>(u"txtDescription"_s), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(description(), HelpTopicTexts::text(0));
}

TEST_F(HelpTopicsWindowTest, opensAtItsRestoredSizeCentredWithOnlyACloseCommand)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(475, 435));
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 2);

    const QList<QAction *> items = window->menuBar()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0], window->findChild<QAction *>(u"mnuClose"_s));
    EXPECT_EQ(window->findChild<QAction *>(u"mnuClose"_s)->text(), u"&Close"_s);
    EXPECT_EQ(window->findChild<QAction *>(u"mnuClose"_s)->menu(), nullptr);
}

TEST_F(HelpTopicsWindowTest, bandsAndListUseTheirOwnColoursAndTheTextBoxHasNoFrame)
{
    EXPECT_EQ(window->findChild<QLabel *>(u"lblContents"_s)->text(), u"Contents"_s);
    EXPECT_EQ(window->findChild<QLabel *>(u"lblTitle"_s)->text(), u"W o r d r o w"_s);
    EXPECT_TRUE(window->findChild<QLabel *>(u"lblMargin"_s)->text().isEmpty());
    EXPECT_TRUE(window->findChild<QListWidget *>(u"lstContents"_s)->font().underline());

    // Grey and blue in the contents column; the desktop's own text background in the bands.
    const QColor grey(224, 224, 224);
    EXPECT_EQ(
        window->findChild<QLabel *>(u"lblContents"_s)->palette().color(QPalette::Window), grey);
    EXPECT_EQ(
        window->findChild<QListWidget *>(u"lstContents"_s)->palette().color(QPalette::Base), grey);
    EXPECT_EQ(window->findChild<QListWidget *>(u"lstContents"_s)->palette().color(QPalette::Text),
        QColor(0, 0, 192));
    EXPECT_EQ(window->findChild<QLabel *>(u"lblTitle"_s)->palette().color(QPalette::WindowText),
        QColor(192, 0, 0));
    const QColor background = QApplication::palette().color(QPalette::Base);
    for (QLabel *label :
        {window->findChild<QLabel *>(u"lblTitle"_s), window->findChild<QLabel *>(u"lblHeading"_s),
            window->findChild<QLabel *>(u"lblMargin"_s)}) {
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), background);
    }

    QPlainTextEdit *text = window->findChild<QPlainTextEdit *>(u"txtDescription"_s);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->frameShape(), QFrame::NoFrame);
}

TEST_F(HelpTopicsWindowTest, arrowKeysAndClicksShowEachTopicFromItsBeginning)
{
    QListWidget *list = window->findChild<QListWidget *>(u"lstContents"_s);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"2. Playing the Game"_s);
    const QString playing = description();
    EXPECT_EQ(playing, HelpTopicTexts::text(1));
    EXPECT_EQ(playing.split(u"\n\n"_s).size(), 5);
    EXPECT_FALSE(playing.endsWith(u'\n'));
    EXPECT_EQ(
        window->findChild<QPlainTextEdit *>(u"txtDescription"_s)->document()->blockCount(), 9);

    // Read to the end, then on to the next topic: it starts at the top again.
    QScrollBar *bar = window->findChild<QPlainTextEdit *>(u"txtDescription"_s)->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    window->findChild<QPlainTextEdit *>(u"txtDescription"_s)->moveCursor(QTextCursor::End);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"3. Word Lists"_s);
    EXPECT_EQ(scrolledTo(), 0);
    EXPECT_EQ(window->findChild<QPlainTextEdit *>(u"txtDescription"_s)->textCursor().position(), 0);

    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"8. Quitting the Game"_s);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"7. Getting Help"_s);

    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"5. Removing a Word List"_s);
    EXPECT_EQ(description(), HelpTopicTexts::text(4));
}

TEST_F(HelpTopicsWindowTest, ctrlClickOnTheChosenTopicKeepsItChosen)
{
    QListWidget *list = window->findChild<QListWidget *>(u"lstContents"_s);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
        list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"1. Opening Title Screen"_s);
    EXPECT_EQ(description(), HelpTopicTexts::text(0));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"2. Playing the Game"_s);
}

TEST_F(HelpTopicsWindowTest, typingInTheTextIsDiscardedAtTheNextChoice)
{
    QPlainTextEdit *text = window->findChild<QPlainTextEdit *>(u"txtDescription"_s);
    text->setFocus();
    QTest::keyClicks(text, u"scribble "_s);
    EXPECT_TRUE(description().startsWith(u"scribble The first time"_s));

    QListWidget *list = window->findChild<QListWidget *>(u"lstContents"_s);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(description(), HelpTopicTexts::text(0));
}

TEST_F(HelpTopicsWindowTest, placesTheControlsAtEveryClientSizeAndRecoversFromATinyOne)
{
    const auto expectLaidOutAt600By450 = [this] {
        EXPECT_EQ(window->findChild<QLabel *>(u"lblContents"_s)->geometry(), QRect(0, 0, 168, 25));
        EXPECT_EQ(window->findChild<QLabel *>(u"lblTitle"_s)->geometry(), QRect(168, 0, 432, 25));
        EXPECT_EQ(
            window->findChild<QLabel *>(u"lblHeading"_s)->geometry(), QRect(168, 25, 432, 25));
        EXPECT_EQ(
            window->findChild<QListWidget *>(u"lstContents"_s)->geometry(), QRect(0, 25, 168, 425));
        EXPECT_EQ(window->findChild<QLabel *>(u"lblMargin"_s)->geometry(), QRect(168, 50, 7, 400));
        EXPECT_EQ(window->findChild<QPlainTextEdit *>(u"txtDescription"_s)->geometry(),
            QRect(175, 50, 425, 400));
    };
    resizeClient(QSize(600, 450));
    expectLaidOutAt600By450();

    // At the restored size the text box reaches the corner.
    resizeClient(QSize(475, 435));
    EXPECT_EQ(window->findChild<QPlainTextEdit *>(u"txtDescription"_s)->geometry(),
        QRect(140, 50, 335, 385));

    resizeClient(QSize(8, 30));
    EXPECT_EQ(window->findChild<QPlainTextEdit *>(u"txtDescription"_s)->size(), QSize(0, 0));
    EXPECT_EQ(window->findChild<QLabel *>(u"lblMargin"_s)->height(), 0);
    EXPECT_EQ(window->findChild<QListWidget *>(u"lstContents"_s)->geometry(), QRect(0, 25, 2, 5));
    // Still usable from the keyboard while squeezed.
    QTest::keyClick(window->findChild<QListWidget *>(u"lstContents"_s), Qt::Key_Down);
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"2. Playing the Game"_s);

    resizeClient(QSize(600, 450));
    expectLaidOutAt600By450();
    EXPECT_EQ(description(), HelpTopicTexts::text(1));
}

TEST_F(HelpTopicsWindowTest, titlesFitTheirColumnCondensedOnlyWhereTheyMust)
{
    QListWidget *list = window->findChild<QListWidget *>(u"lstContents"_s);
    const auto widestTitle = [list] {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(
                widest, QFontMetrics(list->font()).horizontalAdvance(list->item(i)->text()));
        return widest;
    };
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_LE(widestTitle(), list->viewport()->width());
    EXPECT_GE(list->font().stretch(), HelpTopicsWindow::MinimumTitleStretch);
    EXPECT_DOUBLE_EQ(list->font().pointSizeF(), 7.8);

    resizeClient(QSize(1280, 900));
    EXPECT_EQ(list->font().stretch(), 100);
    EXPECT_LE(widestTitle(), list->viewport()->width());

    // Squeezed past any fit, the titles stay readable and are cut at the edge instead.
    resizeClient(QSize(200, 400));
    EXPECT_EQ(list->font().stretch(), HelpTopicsWindow::MinimumTitleStretch);
}

TEST_F(HelpTopicsWindowTest, closingByTheMenuPlaysTheLaserOnceAndDiscardsTheWindow)
{
    window->findChild<QAction *>(u"mnuClose"_s)->trigger();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(player.played, QStringList{dir.path() + u"/Laser.wav"_s});
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(HelpTopicsWindowTest, theAccessKeyAndTheCloseBoxCloseWithTheSameSound)
{
    QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] {
        settle();
        return window.isNull();
    }));
    EXPECT_EQ(player.played.size(), 1);

    window = open();
    // The close box asks the window to close, as close() does; asked twice, it sounds once.
    window->close();
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(player.played, QStringList(2, dir.path() + u"/Laser.wav"_s));
}

TEST_F(HelpTopicsWindowTest, closingIsSilentWithSoundsOffOrNoCard)
{
    state.soundsOff = true;
    window->close();
    settle();
    state.soundsOff = false;
    state.soundCardFound = false;
    window = open();
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(player.played.isEmpty());
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(HelpTopicsWindowTest, deletingTheWindowAtProgramEndPlaysNothing)
{
    delete window;
    EXPECT_TRUE(player.played.isEmpty());
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(HelpTopicsWindowTest, aFreshWindowStartsOverOnTheFirstTopic)
{
    QTest::keyClick(window->findChild<QListWidget *>(u"lstContents"_s), Qt::Key_End);
    window->close();
    settle();

    window = open();
    EXPECT_EQ(window->findChild<QListWidget *>(u"lstContents"_s)->count(), 8);
    EXPECT_EQ(window->findChild<QListWidget *>(u"lstContents"_s)->currentRow(), 0);
    EXPECT_EQ(window->findChild<QLabel *>(u"lblHeading"_s)->text(), u"1. Opening Title Screen"_s);
    EXPECT_EQ(description(), HelpTopicTexts::text(0));
}
