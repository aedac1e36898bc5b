#include "game/PracticeCommands.h"
#include "game/PlayerChoice.h"
#include "game/RoundFixture.h"
#include "support/FakeClock.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePracticeRecord.h"
#include "support/TempDir.h"
#include "wordlists/Preferences.h"

#include <QAction>

namespace {

class PracticeCommandsTest : public RoundFixture
{
protected:
    PracticeCommandsTest()
    {
        state.homeDir = home.path();
        random.runOn = true;
    }

    TempDir home;
    Preferences preferences{home.path()};
    FakeMessageBoxes messages;
    FakePracticeRecord record;
    FakeClock clock;
    PracticeCommands commands{round, messages};
};

TEST_F(PracticeCommandsTest, ItemsWaitForTheRecordAndShowThePreferences)
{
    const struct
    {
        const char *what;
        bool record;
        bool preferences;
        bool enabled;
        QString player;
        bool trouble;
    } cases[]{
        {"no record", false, true, false, u"Pla&yer: Sam..."_s, true},
        {"no preferences file", true, false, true, u"Pla&yer: Player..."_s, false},
        {"both", true, true, true, u"Pla&yer: Sam..."_s, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        Preferences options(dir.path());
        if (c.preferences) {
            ASSERT_TRUE(options.setPlayer(u"Sam"_s) && options.setPractiseTroubleWords(true));
        }
        PracticeCommands practice(round, messages);
        for (const QAction *item : practice.actions())
            EXPECT_FALSE(item->isEnabled()) << "before start";
        if (c.record)
            practice.setRecord(record, clock);
        practice.start(options);
        for (const QAction *item : practice.actions())
            EXPECT_EQ(item->isEnabled(), c.enabled) << item->objectName().toStdString();
        EXPECT_EQ(practice.playerAction()->text(), c.player);
        EXPECT_EQ(practice.troubleWordsAction()->isChecked(), c.trouble);
        EXPECT_EQ(practice.practisesTroubleWords(), c.trouble);
    }
}

// A spelling test is all hearing: it needs speech as well as the record, and says why it is off.
TEST_F(PracticeCommandsTest, TheSpellingTestNeedsSpeechAndTheRecord)
{
    QList<bool> wanted;
    QObject::connect(
        &commands, &PracticeCommands::spellingTestWanted, [&] { wanted.append(true); });
    commands.setRecord(record, clock);
    commands.start(preferences);
    QAction *test = commands.spellingTestAction();
    EXPECT_TRUE(test->isEnabled());
    test->trigger();
    EXPECT_EQ(wanted.size(), 1);

    commands.setSpeech(false, u"No engine here."_s);
    EXPECT_FALSE(test->isEnabled());
    EXPECT_EQ(test->toolTip(), u"No engine here."_s);
    EXPECT_TRUE(commands.progressAction()->isEnabled()) << "only the test needs speech";
    commands.showSpellingTest();
    EXPECT_EQ(wanted.size(), 1) << "a test opened without speech";

    commands.setSpeech(true, {});
    EXPECT_TRUE(test->isEnabled());
    EXPECT_NE(test->toolTip(), u"No engine here."_s);
}

TEST_F(PracticeCommandsTest, TheTroubleWordsItemTurnsTheReviewOnAndOffAndIsKept)
{
    commands.setRecord(record, clock);
    commands.start(preferences);
    startWith(u"DOG"_s);
    guessAll(u"BCEFHI"_s);
    startWith(u"CAT"_s);
    state.words = {u"CAT", u"DOG"};

    commands.troubleWordsAction()->trigger();
    EXPECT_TRUE(Preferences(home.path()).practiseTroubleWords());
    random.script({0.0, 0.0});
    round.startRound();
    EXPECT_EQ(round.word(), u"DOG"_s) << "the review did not bring the lost word back";

    commands.troubleWordsAction()->trigger();
    EXPECT_FALSE(commands.practisesTroubleWords());
    random.script({0.0});
    round.startRound();
    EXPECT_EQ(round.word(), u"CAT"_s);
    EXPECT_TRUE(messages.shown.isEmpty());

    // A folder that cannot be written: said, and the choice holds for this run.
    PracticeCommands unkept(round, messages);
    // A file where the folder should be stops root too.
    home.write(u"file"_s, "");
    Preferences unwritable(home.filePath(u"file"_s));
    unkept.start(unwritable);
    unkept.setPractiseTroubleWords(true);
    EXPECT_TRUE(unkept.practisesTroubleWords());
    EXPECT_TRUE(unkept.troubleWordsAction()->isChecked());
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(PracticeCommandsTest, ANewPlayerIsNamedGetsTheRoundsAndMovesTheProgressWindow)
{
    QString answer;
    QStringList opened;
    QStringList moved;
    QObject::connect(&commands, &PracticeCommands::playerChoiceWanted,
        [&](PlayerChoice &choice) { choice.choose(answer); });
    QObject::connect(&commands, &PracticeCommands::progressWanted,
        [&](const QString &player) { opened.append(player); });
    QObject::connect(&commands, &PracticeCommands::playerChanged,
        [&](const QString &player) { moved.append(player); });
    commands.setRecord(record, clock);
    commands.setListInPlay(u"/lists/week 1.wdr"_s);
    commands.start(preferences);

    commands.progressAction()->trigger();
    EXPECT_EQ(opened, QStringList{u"Player"_s});
    answer = u"Sam"_s;
    commands.playerAction()->trigger();
    EXPECT_EQ(commands.playerAction()->text(), u"Pla&yer: Sam..."_s);
    // The same player again, however typed, moves nothing.
    answer = u" sam "_s;
    commands.playerAction()->trigger();
    EXPECT_EQ(moved, QStringList{u"Sam"_s});

    startWith(u"CAT"_s);
    guessAll(u"CAT"_s);
    ASSERT_EQ(record.kept.size(), 1);
    EXPECT_EQ(record.kept[0].player, u"Sam"_s);
    EXPECT_EQ(record.kept[0].list, u"week 1.wdr"_s);
}

} // namespace
