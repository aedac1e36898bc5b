#include "record/SpellingTestResults.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

PracticeRound answer(const QDateTime &started, const QString &word, bool right)
{
    PracticeRound round{started.addSecs(30), u"Sam"_s, u"week.wdr"_s, word,
        right ? RoundResult::Won : RoundResult::Lost, 0, QString()};
    round.kind = RoundKind::Kind::SpellingTest;
    round.testStarted = started;
    return round;
}

TEST(SpellingTestResultsTest, GroupsAnswersByTheirTestAndPassesGamesOver)
{
    const QDateTime monday(QDate(2026, 3, 2), QTime(9, 0));
    const QDateTime friday(QDate(2026, 3, 6), QTime(9, 0));
    const PracticeRound game{
        friday, u"Sam"_s, u"week.wdr"_s, u"DOG"_s, RoundResult::Lost, 6, u"BCEFHI"_s};
    // A later test's answers may come between an earlier one's, as two windows could give them.
    const QList<PracticeRound> rounds{answer(monday, u"CAT"_s, true), game,
        answer(friday, u"SAID"_s, false), answer(monday, u"WENT"_s, false),
        answer(friday, u"CAT"_s, true), answer(monday, u"SAW"_s, false)};

    EXPECT_EQ(SpellingTestResults::of(rounds),
        (QList<SpellingTestResults::Test>{{monday, u"week.wdr"_s, 3, 1, {u"WENT"_s, u"SAW"_s}},
            {friday, u"week.wdr"_s, 2, 1, {u"SAID"_s}}}));
}

} // namespace
