#include "spelling/SpellingTestWindow.h"
#include "support/FakeClock.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeFileSystem.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePracticeRecord.h"
#include "support/FakeSpeaker.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SpellingTestWindowTest, TakesOnlyWhatTheTestTypesMarksWithoutColourAndPrintsAWholePdf)
{
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    FakeFileSystem files{QString()};
    RecordingSoundPlayer player;
    ScriptedRandom random;
    random.runOn = true;
    FakeSpeaker speaker;
    FakePracticeRecord record;
    const FakeClock clock;
    auto *window = new SpellingTestWindow({u"Sam"_s, u"week.wdr"_s, {u"FRIEND"_s}, false, {}},
        Services{messages, dialogs, files, player, random, speaker}, record, clock);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    QTest::keyClicks(window->answerEdit(), u"fr3end"_s);
    EXPECT_EQ(window->answerEdit()->text(), u"frend"_s);
    QTest::keyClick(window->answerEdit(), Qt::Key_Return);
    EXPECT_TRUE(window->markingLabel()->isVisible());
    EXPECT_TRUE(window->markingLabel()->text().contains(u'^'));
    EXPECT_TRUE(window->markingLabel()->accessibleName().contains(u"I is missing (letter 3)"_s));
    QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(speaker.calls.last(), u"say FRIEND"_s);

    QTest::keyClicks(window->answerEdit(), u"FRIEND"_s);
    QTest::keyClick(window->answerEdit(), Qt::Key_Return);
    QTest::keyClicks(window->answerEdit(), u"friend"_s);
    QTest::keyClick(window->answerEdit(), Qt::Key_Return);
    EXPECT_FALSE(window->answerEdit()->isEnabled());
    EXPECT_TRUE(window->printButton()->isVisible());

    TempDir dir;
    EXPECT_TRUE(window->writePdf(dir.path() + u"/result.pdf"_s));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"result.pdf"_s});
    EXPECT_TRUE(dir.read(u"result.pdf"_s).startsWith("%PDF"));
    EXPECT_FALSE(window->writePdf(dir.path() + u"/no such folder/result.pdf"_s));
    EXPECT_EQ(messages.shown.size(), 1);
    window->close();
}

// Without a speech engine the child would listen to silence: the window says why at once, whether
// the engine is missing from the start or goes in the middle, and the answers given stay kept.
TEST(SpellingTestWindowTest, WithoutSpeechSaysWhyAndStopsAskingKeepingTheAnswers)
{
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    FakeFileSystem files{QString()};
    RecordingSoundPlayer player;
    ScriptedRandom random;
    random.runOn = true;
    FakePracticeRecord record;
    const FakeClock clock;
    for (const bool missingAtStart : {true, false}) {
        SCOPED_TRACE(missingAtStart);
        FakeSpeaker speaker;
        if (missingAtStart)
            speaker.becomeUnavailable(u"No speech engine."_s);
        SpellingTestWindow window({u"Sam"_s, u"week.wdr"_s, {u"CAT"_s, u"DOG"_s}, false, {}},
            Services{messages, dialogs, files, player, random, speaker}, record, clock);
        if (!missingAtStart) {
            QTest::keyClicks(window.answerEdit(), window.test().currentWord());
            QTest::keyClick(window.answerEdit(), Qt::Key_Return);
            speaker.becomeUnavailable(u"No speech engine."_s);
        }
        EXPECT_EQ(window.test().stage(), SpellingTest::Stage::Ended);
        EXPECT_FALSE(window.answerEdit()->isEnabled());
        EXPECT_TRUE(window.findChild<QLabel *>(u"lblSpellingPrompt"_s)
                        ->text()
                        .startsWith(u"No speech engine. The test stops here"_s));
        EXPECT_EQ(speaker.calls.filter(u"say"_s).size(), missingAtStart ? 0 : 2);
    }
    EXPECT_EQ(record.kept.size(), 1);
}

} // namespace
