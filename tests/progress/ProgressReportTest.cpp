#include "progress/ProgressReport.h"
#include "support/FakePracticeRecord.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Result = RoundResult;

// A Tuesday: this week began the day before.
const QDate Today(2026, 12, 8);

PracticeRound on(QDate date, const QString &list, const QString &word, Result result, int misses)
{
    return {QDateTime(date, QTime(16, 5)), u"Sam"_s, list, word, result, misses, QString()};
}

// A spelling-test answer, right when typed as the word.
PracticeRound answer(const QDateTime &started, const QString &word, const QString &typed)
{
    PracticeRound round
        = on(started.date(), u"a.wdr"_s, word, typed == word ? Result::Won : Result::Lost, 0);
    round.kind = RoundKind::Kind::SpellingTest;
    round.typed = typed;
    round.testStarted = started;
    return round;
}

TEST(ProgressReportTest, TalliesTheWeekAllTimeEachListAndEachDayOfTheChart)
{
    const QList<PracticeRound> rounds{
        on(Today.addDays(-40), u"b.wdr"_s, u"OLD"_s, Result::Won, 0),
        on(Today.addDays(-8), u"a.wdr"_s, u"CAT"_s, Result::Lost, 6),
        on(Today.addDays(-1), u"a.wdr"_s, u"DOG"_s, Result::Won, 3),
        on(Today.addDays(-1), u"a.wdr"_s, u"CAT"_s, Result::Abandoned, 1),
        on(Today, u"b.wdr"_s, u"EMU"_s, Result::Won, 0),
        // Spelling-test answers are no rounds played, won or lost.
        answer(QDateTime(Today, QTime(9, 0)), u"DOG"_s, u"DOG"_s),
        answer(QDateTime(Today, QTime(9, 0)), u"CAT"_s, u"KAT"_s),
    };
    FakePracticeRecord store;
    store.kept = rounds;
    const ProgressReport report(
        u"Sam"_s, store.summary(u"Sam"_s, PracticeFigures::chartStart(Today)), Today);
    const PracticeFigures &f = report.figures();

    EXPECT_EQ(f.thisWeek, (PracticeFigures::Tally{2, 2, 1}));
    EXPECT_EQ(f.allTime, (PracticeFigures::Tally{4, 3, 1}));
    EXPECT_EQ(
        f.lists, (QList<PracticeFigures::List>{{u"a.wdr"_s, {2, 1, 1}}, {u"b.wdr"_s, {2, 2, 0}}}));
    // Four whole weeks from a Monday, up to today; the old round falls outside.
    ASSERT_EQ(f.days.size(), 3 * 7 + 2);
    EXPECT_EQ(f.days.first().date.dayOfWeek(), 1);
    EXPECT_EQ(f.days.last(), (PracticeFigures::Day{Today, 1, 0}));
    EXPECT_EQ(f.days[f.days.size() - 2], (PracticeFigures::Day{Today.addDays(-1), 1, 0}));
    EXPECT_EQ(f.days[f.days.size() - 9], (PracticeFigures::Day{Today.addDays(-8), 0, 1}));
    const QList<ProgressReport::TroubleRow> &trouble = report.trouble().rows();
    ASSERT_EQ(trouble.size(), 2);
    EXPECT_EQ(trouble[0].standing, (TroubleWords::Standing{u"CAT"_s, 1, 0}));
    EXPECT_EQ(trouble[1].standing, (TroubleWords::Standing{u"DOG"_s, 1, 0}));
}

TEST(ProgressReportTest, CountsTheReviewScheduleAndGivesEachTroubleWordItsBoxAndDay)
{
    FakePracticeRecord store;
    store.kept = {on(Today.addDays(-8), u"a.wdr"_s, u"CAT"_s, Result::Lost, 6),
        on(Today.addDays(-35), u"a.wdr"_s, u"DOG"_s, Result::Lost, 6),
        on(Today.addDays(-1), u"a.wdr"_s, u"EMU"_s, Result::Lost, 6),
        on(Today, u"a.wdr"_s, u"EMU"_s, Result::Won, 0)};
    // DOG: clean on days far enough apart to go through every box and be known yesterday.
    for (const int day : {-34, -31, -24, -1})
        store.kept.append(on(Today.addDays(day), u"a.wdr"_s, u"DOG"_s, Result::Won, 0));
    const ProgressReport report(
        u"Sam"_s, store.summary(u"Sam"_s, PracticeFigures::chartStart(Today)), Today);

    EXPECT_EQ(report.figures().review, (PracticeFigures::Review{1, {1, 1, 0, 0}, 1}));
    const QString html = report.html();
    // CAT is due since a week ago, so next today; EMU moved up today and is due in three days.
    EXPECT_TRUE(html.contains(
        u"<td>CAT</td><td>1</td><td>1</td><td>"_s + Today.toString(Qt::ISODate) + u"</td>"_s))
        << html.toStdString();
    EXPECT_TRUE(html.contains(
        u"<td>EMU</td><td>1</td><td>2</td><td>"_s + Today.addDays(3).toString(Qt::ISODate)));
}

TEST(ProgressReportTest, ShowsEachSpellingTestOfTheChartsWeeksLatestFirstWithItsMissedWords)
{
    const QDateTime monday(Today.addDays(-1), QTime(9, 0));
    const QDateTime longAgo(Today.addDays(-40), QTime(9, 0));
    FakePracticeRecord store;
    store.kept = {answer(longAgo, u"OLD"_s, u"OLD"_s), answer(monday, u"SAID"_s, u"SED"_s),
        answer(monday, u"WENT"_s, u"WENT"_s), answer(monday, u"SAW"_s, u"SOR"_s),
        answer(QDateTime(Today, QTime(9, 0)), u"SAID"_s, u"SAID"_s)};
    const ProgressReport report(
        u"Sam"_s, store.summary(u"Sam"_s, PracticeFigures::chartStart(Today)), Today);

    const ProgressReport::TestModel &tests = report.spellingTests();
    ASSERT_EQ(tests.rowCount(), 2);
    EXPECT_EQ(tests.index(0, 0).data().toString(), Today.toString(Qt::ISODate) + u" 09:00"_s);
    EXPECT_EQ(tests.index(1, 1).data().toString(), u"1 of 3 right the first time"_s);
    EXPECT_EQ(tests.index(1, 2).data().toString(), u"SAID, SAW"_s);
    EXPECT_TRUE(report.html().contains(u"<td>SAID, SAW</td>"_s));
    // Missed in a test, each is in the review and so among the trouble words, with its box.
    const ProgressReport::TroubleModel &trouble = report.trouble();
    ASSERT_EQ(trouble.rowCount(), 2);
    EXPECT_EQ(trouble.index(0, 0).data().toString(), u"SAID"_s);
    EXPECT_EQ(trouble.index(0, 2).data().toInt(), 2);
    EXPECT_EQ(trouble.index(1, 0).data().toString(), u"SAW"_s);
    EXPECT_EQ(trouble.index(1, 3).data().toDate(), Today);
}

TEST(ProgressReportTest, ExportsCsvThatASpreadsheetReadsAsText)
{
    PracticeRound tricky = on(Today, u"week, 1.wdr"_s, u"=SUM(A1)"_s, Result::Lost, 6);
    tricky.player = u"Sam \"Ace\""_s;
    tricky.wrongLetters = u"QXZ\u00c9"_s;
    const PracticeRound typed = answer(QDateTime(Today, QTime(16, 5)), u"CAT"_s, u"KAT"_s);
    const QByteArray csv
        = ProgressReport::csv({on(Today, u"a.wdr"_s, u"CAT"_s, Result::Won, 0), tricky, typed});

    EXPECT_EQ(csv,
        "\xEF\xBB\xBF"
        "Date,Time,Player,List,Word,Result,Misses,Wrong letters,Kind,Typed\r\n"
        "2026-12-08,16:05,Sam,a.wdr,CAT,won,0,,game,\r\n"
        "2026-12-08,16:05,\"Sam \"\"Ace\"\"\",\"week, 1.wdr\",'=SUM(A1),lost,6,QXZ\xC3\x89,"
        "game,\r\n"
        "2026-12-08,16:05,Sam,a.wdr,CAT,lost,0,,spelling test,KAT\r\n");
}

} // namespace
