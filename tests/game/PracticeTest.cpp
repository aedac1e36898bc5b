#include "core/WordList.h"
#include "game/PlayerChoice.h"
#include "game/PracticeRecorder.h"
#include "game/ReviewDraw.h"
#include "support/FakeClock.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePracticeRecord.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"
#include "wordlists/Preferences.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Result = RoundResult;

const QDateTime Now(QDate(2026, 12, 8), QTime(9, 15));

TEST(RecorderTest, KeepsTheRoundForThePlayerAndTheListFileName)
{
    FakePracticeRecord store;
    FakeMessageBoxes messages;
    const FakeClock clock(Now);
    PracticeRecorder recorder(
        store, messages, [] { return u"Sam"_s; }, clock);
    recorder.setListInPlay(u"/home/sam/lists/week 12.wdr"_s);

    recorder.roundEnded({u"CAT"_s, Result::Won, 2, u"QZ"_s});
    recorder.roundEnded({u"CAT"_s, Result::Won, 2, u"QZ"_s, true});

    ASSERT_EQ(store.kept.size(), 2);
    // A round with the sentence shown is kept as hinted: it is no clean answer for the review.
    EXPECT_FALSE(store.kept[0].hinted);
    EXPECT_TRUE(store.kept[1].hinted);
    PracticeRound expected{Now, u"Sam"_s, u"week 12.wdr"_s, u"CAT"_s, Result::Won, 2, u"QZ"_s};
    expected.id = store.kept[0].id;
    EXPECT_EQ(store.kept[0], expected);
    // Each round its own id.
    EXPECT_FALSE(store.kept[0].id.isNull());
    EXPECT_NE(store.kept[1].id, store.kept[0].id);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(RecorderTest, SaysOnceARunThatRoundsCannotBeKeptAndCatchesUpAfterwards)
{
    FakePracticeRecord store;
    FakeMessageBoxes messages;
    const FakeClock clock(Now);
    PracticeRecorder recorder(
        store, messages, [] { return u"Sam"_s; }, clock);
    store.refuse = true;
    for (int i = 0; i < 3; ++i)
        recorder.roundEnded({u"CAT"_s, Result::Lost, 6, u"BDEFGH"_s});
    EXPECT_EQ(messages.shown.size(), 1);
    // The run's rounds still count for the review although the disk refused them.
    EXPECT_EQ(recorder.troubleWords(), QStringList{u"CAT"_s});

    store.refuse = false;
    recorder.roundEnded({u"DOG"_s, Result::Won, 0, QString()});
    EXPECT_EQ(store.kept.size(), 1);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST(RecorderTest, KnowsTheDueWordsFromOneReadOfTheRecordAndTheRoundsOfTheRun)
{
    FakePracticeRecord store;
    FakeMessageBoxes messages;
    store.kept.append({Now.addDays(-3), u"Sam"_s, u"l.wdr"_s, u"DOG"_s, Result::Lost, 6, {}});
    store.kept.append({Now.addDays(-3), u"Jo"_s, u"l.wdr"_s, u"EMU"_s, Result::Lost, 6, {}});
    FakeClock clock(Now);
    QString player = u"Sam"_s;
    PracticeRecorder recorder(
        store, messages, [&] { return player; }, clock);
    const auto due = recorder.dueWordSource();

    EXPECT_EQ(due(), QStringList{u"DOG"_s});
    recorder.roundEnded({u"CAT"_s, Result::Won, 4, u"QXZJ"_s});
    EXPECT_EQ(due(), QStringList{u"DOG"_s});
    clock.at = Now.addDays(1);
    EXPECT_EQ(due(), (QStringList{u"DOG"_s, u"CAT"_s}));
    recorder.roundEnded({u"DOG"_s, Result::Won, 0, {}});
    EXPECT_EQ(due(), QStringList{u"CAT"_s});
    EXPECT_EQ(store.reads, 1);
    player = u"Jo"_s;
    EXPECT_EQ(due(), QStringList{u"EMU"_s});
}

// Tries of one word, oldest first: 'W' a win with no miss, a digit a win with that many misses,
// 'L' a loss, 'A' abandoned.
struct TroubleCase
{
    const char *name;
    const char *tries;
    int troubleTries;
    int cleanWinsInARow;
};

class TroubleWordTest : public ::testing::TestWithParam<TroubleCase>
{
};

TEST_P(TroubleWordTest, CountsTroubleTriesSinceTheLastTwoCleanWinsInARow)
{
    TroubleWords trouble;
    for (const char *t = GetParam().tries; *t; ++t) {
        const Result result = *t == 'L' ? Result::Lost
            : *t == 'A'                 ? Result::Abandoned
                                        : Result::Won;
        const int misses = *t >= '0' && *t <= '9' ? *t - '0' : *t == 'L' ? 6 : 0;
        trouble.add(PracticeRound{Now, u"Sam"_s, u"l.wdr"_s, u"CAT"_s, result, misses, {}});
    }
    const TroubleCase &c = GetParam();
    const QList<TroubleWords::Standing> expected = c.troubleTries > 0
        ? QList<TroubleWords::Standing>{{u"CAT"_s, c.troubleTries, c.cleanWinsInARow}}
        : QList<TroubleWords::Standing>{};
    EXPECT_EQ(trouble.words(), expected);
}

INSTANTIATE_TEST_SUITE_P(Rule, TroubleWordTest,
    ::testing::Values(TroubleCase{"never_played", "", 0, 0}, TroubleCase{"one_loss", "L", 1, 0},
        TroubleCase{"won_with_two_misses", "2", 0, 0},
        TroubleCase{"won_with_three_misses", "3", 1, 0},
        TroubleCase{"abandoned_says_nothing", "LA", 1, 0},
        TroubleCase{"losses_add_up", "L5L", 3, 0},
        TroubleCase{"one_clean_win_is_not_enough", "LW", 1, 1},
        TroubleCase{"two_clean_wins_clear_it", "LLWW", 0, 0},
        TroubleCase{"a_miss_breaks_the_run", "LW1W", 1, 1},
        TroubleCase{"abandoned_does_not_break_the_run", "LWAW", 0, 0},
        TroubleCase{"trouble_again_after_clearing", "LWWL", 1, 0}),
    [](const auto &info) { return info.param.name; });

struct DrawCase
{
    const char *name;
    bool on;
    QStringList trouble;
    QString lastWord;
    std::vector<double> draws;
    std::optional<QString> chosen;
    int drawsTaken;
    QStringList due = {};
};

class ReviewDrawTest : public ::testing::TestWithParam<DrawCase>
{
};

TEST_P(ReviewDrawTest, ChoosesATroubleWordOfTheListAboutOneRoundInThree)
{
    const DrawCase &c = GetParam();
    ReviewDraw draw([&] { return c.on; }, [&] { return c.trouble; }, [&] { return c.due; });
    ScriptedRandom random;
    for (const double r : c.draws)
        random.script({r});
    const WordList words{u"CAT", u"DOG", u"EMU", u"FOX"};

    EXPECT_EQ(draw.chooseWord(words, c.lastWord, random), c.chosen);
    EXPECT_EQ(random.draws, c.drawsTaken);
}

INSTANTIATE_TEST_SUITE_P(Draws, ReviewDrawTest,
    ::testing::Values(DrawCase{"off_draws_nothing", false, {u"DOG"_s}, {}, {}, std::nullopt, 0},
        DrawCase{"two_rounds_in_three_draw_as_usual", true, {u"DOG"_s}, {}, {0.34}, {}, 1},
        DrawCase{"one_in_three_reviews", true, {u"DOG"_s, u"FOX"_s}, {}, {0.33, 0.6}, u"FOX"_s, 2},
        DrawCase{
            "never_the_last_word", true, {u"DOG"_s, u"FOX"_s}, u"FOX"_s, {0.0, 0.9}, u"DOG"_s, 2},
        DrawCase{"only_the_last_word_draws_as_usual", true, {u"DOG"_s}, u"DOG"_s, {0.1}, {}, 1},
        DrawCase{"words_of_other_lists_are_left", true, {u"YAK"_s}, {}, {0.1}, {}, 1},
        DrawCase{"no_trouble_draws_as_usual", true, {}, {}, {0.1}, {}, 1},
        DrawCase{"due_words_come_first_in_their_order", true, {u"DOG"_s}, {}, {}, u"EMU"_s, 0,
            {u"YAK"_s, u"EMU"_s, u"CAT"_s}},
        DrawCase{"a_due_last_word_leaves_the_review_as_before", true, {u"DOG"_s}, u"EMU"_s,
            {0.2, 0.0}, u"DOG"_s, 2, {u"EMU"_s}},
        DrawCase{"off_leaves_due_words_too", false, {}, {}, {}, std::nullopt, 0, {u"EMU"_s}}),
    [](const auto &info) { return info.param.name; });

class PlayerChoiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        store.kept.append({Now, u"Sam"_s, u"l.wdr"_s, u"CAT"_s, Result::Won, 0, {}});
        store.kept.append({Now, u"jo"_s, u"l.wdr"_s, u"DOG"_s, Result::Lost, 6, {}});
    }

    TempDir dir;
    Preferences preferences{dir.path()};
    FakePracticeRecord store;
    PlayerChoice choice{preferences, store};
};

TEST_F(PlayerChoiceTest, OffersTheRecordsPlayersAndTheCurrentOne)
{
    EXPECT_EQ(choice.current(), u"Player"_s);
    EXPECT_EQ(choice.players(), (QStringList{u"jo"_s, u"Player"_s, u"Sam"_s}));
    EXPECT_FALSE(QFile::exists(preferences.path()));
}

TEST_F(PlayerChoiceTest, ChoosesKnownPlayersWhateverTheCaseAndAddsNewOnes)
{
    using Problem = PlayerChoice::Problem;
    EXPECT_EQ(choice.choose(u"  SAM "_s), Problem::None);
    EXPECT_EQ(choice.current(), u"Sam"_s);
    EXPECT_EQ(choice.choose(u"Ali\tB\u0007en"_s), Problem::None);
    EXPECT_EQ(Preferences(dir.path()).player(), u"Ali Ben"_s);
    EXPECT_EQ(choice.choose(u"   "_s), Problem::EmptyName);
    EXPECT_EQ(choice.current(), u"Ali Ben"_s);
}

TEST_F(PlayerChoiceTest, RenamesThePlayersRoundsAndKeepsNamesApart)
{
    using Problem = PlayerChoice::Problem;
    ASSERT_EQ(choice.choose(u"Sam"_s), Problem::None);
    EXPECT_EQ(choice.rename(u"Sam"_s, u"Jo"_s), Problem::NameTaken);
    EXPECT_EQ(choice.rename(u"Sam"_s, u"Samuel"_s), Problem::None);
    EXPECT_EQ(choice.current(), u"Samuel"_s);
    EXPECT_EQ(store.rounds(u"Samuel"_s).size(), 1);
    EXPECT_EQ(choice.rename(u"jo"_s, u"Jo"_s), Problem::None);
    store.refuse = true;
    EXPECT_EQ(choice.rename(u"Jo"_s, u"Joe"_s), Problem::NotKept);
    EXPECT_EQ(PlayerChoice::menuText(u"A&B"_s), u"Pla&yer: A&&B..."_s);
}

} // namespace
