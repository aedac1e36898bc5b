#include "app/MainWindow.h"
#include "core/GameState.h"
#include "support/ProgramFixture.h"
#include "ui/PictureBox.h"
#include "windows/AboutDialog.h"
#include "windows/HelpTopicsWindow.h"
#include "windows/ManualWindow.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The Help menu's windows as the main window opens them and takes them along at the end.
class HelpMenuTest : public ProgramFixture
{
protected:
    HelpMenuTest() { startGame("\"CAT\"\r\n\"DOG\"\r\n"); }

    void choose(const QString &text)
    {
        for (QAction *action : window->findChildren<QAction *>()) {
            if (action->text() == text) {
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no menu item " << text.toStdString();
    }
};

} // namespace

TEST_F(HelpMenuTest, topicsOpensMaximizedOnceAndComesBackAsItWas)
{
    choose(u"&Topics"_s);
    HelpTopicsWindow *topics = window->helpTopicsWindow();
    ASSERT_TRUE(topics);
    EXPECT_TRUE(topics->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(topics->parentWidget());
    topics->findChild<QListWidget *>(u"lstContents"_s)->setCurrentRow(2);

    window->activateWindow();
    ASSERT_TRUE(becomesActive(window.get()));
    choose(u"&Topics"_s);
    EXPECT_EQ(window->helpTopicsWindow(), topics);
    EXPECT_EQ(topics->findChild<QListWidget *>(u"lstContents"_s)->currentRow(), 2);
    EXPECT_TRUE(becomesActive(topics));
}

TEST_F(HelpMenuTest, theAboutBoxGoesAwayWhenTheGameIsActiveAgain)
{
    choose(u"&About Wordrow"_s);
    QPointer<AboutDialog> about = window->aboutDialog();
    ASSERT_TRUE(about && becomesActive(about));
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&about] { return about.isNull(); }));
    ASSERT_EQ(player.played.size(), 1);
    EXPECT_TRUE(player.played[0].endsWith(u"sound560.wav"_s, Qt::CaseInsensitive));

    // Every opening is a fresh box.
    choose(u"&About Wordrow"_s);
    EXPECT_TRUE(window->aboutDialog());
    EXPECT_FALSE(window->aboutDialog()->findChild<PictureBox *>(u"imgBearL"_s)->isVisible());
}

TEST_F(HelpMenuTest, endingTheProgramTakesTheHelpWindowsAlongSilently)
{
    choose(u"&Topics"_s);
    choose(u"&Instruction Manual"_s);
    choose(u"&About Wordrow"_s);
    QPointer<HelpTopicsWindow> topics = window->helpTopicsWindow();
    QPointer<ManualWindow> manual = window->manualWindow();
    QPointer<AboutDialog> about = window->aboutDialog();
    ASSERT_TRUE(topics && manual && about);
    window.reset();
    EXPECT_TRUE(topics.isNull());
    EXPECT_TRUE(manual.isNull());
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(HelpMenuTest, theManualOpensOnceFromTheMenuAndJumpsToABookmark)
{
    choose(u"&Instruction Manual"_s);
    ManualWindow *manual = window->manualWindow();
    ASSERT_TRUE(manual && becomesActive(manual));
    EXPECT_FALSE(manual->parentWidget());
    QListWidget *bookmarks = manual->bookmarks();
    ASSERT_GE(bookmarks->count(), 10);
    EXPECT_EQ(bookmarks->count(), manual->anchors().size());

    QScrollBar *scroll = manual->text()->verticalScrollBar();
    const int top = scroll->value();
    bookmarks->setCurrentRow(bookmarks->count() - 1);
    EXPECT_GT(scroll->value(), top);

    // Activating the manual is activating another window of the program.
    choose(u"&About Wordrow"_s);
    QPointer<AboutDialog> about = window->aboutDialog();
    ASSERT_TRUE(about && becomesActive(about));
    manual->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&about] { return about.isNull(); }));

    // A second choice brings the same window back as it was.
    window->activateWindow();
    ASSERT_TRUE(becomesActive(window.get()));
    choose(u"&Instruction Manual"_s);
    EXPECT_EQ(window->manualWindow(), manual);
    EXPECT_EQ(bookmarks->currentRow(), bookmarks->count() - 1);
    EXPECT_TRUE(becomesActive(manual));
}

TEST_F(HelpMenuTest, aCommandBringsItsMinimizedWindowBackAsItWas)
{
    const std::pair<QString, std::function<QWidget *()>> commands[] = {
        {u"Make &New Wordlist"_s, [this] { return window->wordListEditor(); }},
        {u"&Topics"_s, [this] { return window->helpTopicsWindow(); }},
        {u"&Instruction Manual"_s, [this] { return window->manualWindow(); }},
    };
    for (const auto &[command, opened] : commands) {
        choose(command);
        QWidget *first = opened();
        ASSERT_TRUE(first) << command.toStdString();
        const Qt::WindowStates state = first->windowState();
        first->setWindowState(state | Qt::WindowMinimized);
        choose(command);
        EXPECT_EQ(opened(), first) << command.toStdString();
        EXPECT_EQ(first->windowState(), state) << command.toStdString();
    }
}
