#include "record/ReviewSchedule.h"
#include "record/TroubleWords.h"

#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

#include <utility>

using namespace Qt::StringLiterals;
using Answer = ReviewSchedule::Answer;

namespace {

struct Day
{
    int day;
    QList<std::pair<QString, Answer>> answers;
    // Boxes after the day's answers; 0 is out of the schedule.
    QMap<QString, int> boxes;
};

// Thirty days of one player: CAT is rushed on its first afternoon, known on day 24 and lost again;
// DOG slips back once; EMU is only ever shaky. Words due are checked every day, before its answers.
const QList<Day> History = {
    {0,
        {{u"CAT"_s, Answer::Trouble}, {u"CAT"_s, Answer::Clean}, {u"CAT"_s, Answer::Clean},
            {u"DOG"_s, Answer::Trouble}, {u"EMU"_s, Answer::Shaky}},
        {{u"CAT"_s, 2}, {u"DOG"_s, 1}, {u"EMU"_s, 0}}},
    {1, {{u"DOG"_s, Answer::Clean}}, {{u"CAT"_s, 2}, {u"DOG"_s, 2}}},
    {3, {{u"CAT"_s, Answer::Clean}}, {{u"CAT"_s, 3}, {u"DOG"_s, 2}}},
    {4, {{u"DOG"_s, Answer::Shaky}}, {{u"DOG"_s, 1}}},
    {5, {{u"DOG"_s, Answer::Clean}}, {{u"DOG"_s, 2}}},
    {8, {{u"DOG"_s, Answer::Clean}}, {{u"DOG"_s, 3}}},
    {10, {{u"CAT"_s, Answer::Clean}}, {{u"CAT"_s, 4}}},
    {15, {{u"DOG"_s, Answer::Clean}}, {{u"DOG"_s, 4}}},
    // In the last box an early clean answer is not enough to be known.
    {20, {{u"CAT"_s, Answer::Clean}}, {{u"CAT"_s, 4}}},
    {24, {{u"CAT"_s, Answer::Clean}}, {{u"CAT"_s, 0}}},
    {26, {{u"CAT"_s, Answer::Trouble}}, {{u"CAT"_s, 1}}},
    {29, {{u"DOG"_s, Answer::None}, {u"EMU"_s, Answer::None}, {u"DOG"_s, Answer::Clean}},
        {{u"CAT"_s, 1}, {u"DOG"_s, 0}, {u"EMU"_s, 0}}},
};

const QMap<int, QStringList> DueWords = {
    {1, {u"DOG"_s}},
    {3, {u"CAT"_s}},
    {4, {u"DOG"_s}},
    {5, {u"DOG"_s}},
    {8, {u"DOG"_s}},
    {10, {u"CAT"_s}},
    {15, {u"DOG"_s}},
    {24, {u"CAT"_s}},
    {27, {u"CAT"_s}},
    {28, {u"CAT"_s}},
    {29, {u"CAT"_s, u"DOG"_s}},
    {30, {u"CAT"_s}},
};

TEST(ReviewScheduleTest, thirtyDaysOfAnswersMoveTheWordsThroughTheBoxes)
{
    const QDate start(2026, 3, 2);
    QMap<QString, ReviewSchedule::Word> words;
    for (int day = 0; day <= 30; ++day) {
        const QDate today = start.addDays(day);
        QStringList due;
        for (const ReviewSchedule::Word &word : std::as_const(words)) {
            if (word.isDue(today))
                due.append(word.word);
        }
        EXPECT_EQ(due, DueWords.value(day)) << "day " << day;

        const auto scripted = std::find_if(
            History.cbegin(), History.cend(), [day](const Day &d) { return d.day == day; });
        if (scripted == History.cend())
            continue;
        for (const auto &[text, answer] : scripted->answers) {
            ReviewSchedule::Word &word = words[text];
            word.word = text;
            ReviewSchedule::apply(word, answer, today);
        }
        for (auto box = scripted->boxes.cbegin(); box != scripted->boxes.cend(); ++box)
            EXPECT_EQ(words.value(box.key()).box, box.value())
                << box.key().toStdString() << " day " << day;
    }
    EXPECT_EQ(words.value(u"DOG"_s).known, start.addDays(29));
    EXPECT_FALSE(words.value(u"CAT"_s).known.isValid());
}

TEST(ReviewScheduleTest, aRoundGivesTheAnswerItsResultMissesAndHintSay)
{
    using Kind = RoundKind::Kind;
    using Result = RoundResult;
    const struct
    {
        Kind kind;
        Result result;
        int misses;
        bool hinted;
        Answer answer;
    } cases[] = {
        {Kind::Game, Result::Won, 0, false, Answer::Clean},
        {Kind::Game, Result::Won, 2, false, Answer::Shaky},
        {Kind::Game, Result::Won, TroubleWords::TroubleMisses, false, Answer::Trouble},
        {Kind::Game, Result::Lost, 6, false, Answer::Trouble},
        {Kind::Game, Result::Abandoned, 1, false, Answer::None},
        {Kind::SpellingTest, Result::Won, 0, false, Answer::Clean},
        {Kind::SpellingTest, Result::Lost, 0, false, Answer::Trouble},
        // Right with a hint shown is no clean answer; wrong with one is trouble still.
        {Kind::Game, Result::Won, 0, true, Answer::Shaky},
        {Kind::SpellingTest, Result::Won, 0, true, Answer::Shaky},
        {Kind::Game, Result::Lost, 6, true, Answer::Trouble},
    };
    for (const auto &c : cases) {
        PracticeRound round;
        round.kind = c.kind;
        round.result = c.result;
        round.misses = c.misses;
        round.hinted = c.hinted;
        EXPECT_EQ(ReviewSchedule::answerOf(round), c.answer)
            << int(c.kind) << " " << int(c.result) << " " << c.misses << " " << c.hinted;
    }
}

} // namespace
