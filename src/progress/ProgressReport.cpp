#include "progress/ProgressReport.h"

#include "core/TableText.h"
#include "progress/ProgressView.h"

#include <QHash>
#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString count(int n, QStringView one, QStringView many)
{
    return QString::number(n) + u' ' + (n == 1 ? one : many).toString();
}

using List = PracticeFigures::List;
using Standing = TroubleWords::Standing;

// A new column of a table is one more line here: the window, the printout and the PDF follow.
const QList<ProgressReport::ListModel::Column> ListColumns{
    {u"List"_s, [](const List &list) { return list.name; }},
    {u"Played"_s, [](const List &list) { return list.tally.played; }},
    {u"Won"_s, [](const List &list) { return list.tally.won; }},
    {u"Lost"_s, [](const List &list) { return list.tally.played - list.tally.won; }},
};

// The next due day of a word overdue is today: it is waiting now.
QList<ProgressReport::TroubleModel::Column> troubleColumns(QDate today)
{
    using Row = ProgressReport::TroubleRow;
    return {
        {u"Word"_s, [](const Row &row) { return row.standing.word; }},
        {u"Times in trouble"_s, [](const Row &row) { return row.standing.troubleTries; }},
        {u"Box"_s,
            [](const Row &row) {
                return row.review.isScheduled() ? QVariant(row.review.box) : QVariant();
            }},
        {u"Next due"_s,
            [today](const Row &row) {
                const QDate due = row.review.due();
                return due.isValid() ? QVariant(std::max(due, today)) : QVariant();
            }},
    };
}

using Test = SpellingTestResults::Test;
const QList<ProgressReport::TestModel::Column> TestColumns{
    {u"Date"_s,
        [](const Test &t) { return t.started.toLocalTime().toString(u"yyyy-MM-dd HH:mm"_s); }},
    {u"Score"_s, [](const Test &t) { return SpellingTestResults::scoreText(t.right, t.asked); }},
    {u"Missed words"_s, [](const Test &t) { return t.missed.join(u", "_s); }},
};

QList<Test> latestFirst(QList<Test> tests)
{
    std::reverse(tests.begin(), tests.end());
    return tests;
}

QString kindText(RoundKind::Kind kind)
{
    return kind == RoundKind::Kind::SpellingTest ? u"spelling test"_s : u"game"_s;
}

// The rounds come in local time, converted once each.
const QList<ProgressReport::RoundModel::Column> RoundColumns{
    {u"Date"_s, [](const PracticeRound &r) { return r.when.toString(u"yyyy-MM-dd"_s); }},
    {u"Time"_s, [](const PracticeRound &r) { return r.when.toString(u"HH:mm"_s); }},
    {u"Player"_s, [](const PracticeRound &r) { return r.player; }},
    {u"List"_s, [](const PracticeRound &r) { return r.list; }},
    {u"Word"_s, [](const PracticeRound &r) { return r.word; }},
    {u"Result"_s, [](const PracticeRound &r) { return resultName(r.result); }},
    {u"Misses"_s, [](const PracticeRound &r) { return r.misses; }},
    {u"Wrong letters"_s, [](const PracticeRound &r) { return r.wrongLetters; }},
    // Added after the game's columns, so that a spreadsheet made from an older export still fits.
    {u"Kind"_s, [](const PracticeRound &r) { return kindText(r.kind); }},
    {u"Typed"_s, [](const PracticeRound &r) { return r.typed; }},
};

// The game's trouble words and every word on the review schedule, whichever practice put it
// there: a word missed in a spelling test has no game tries, but is due back all the same.
QList<ProgressReport::TroubleRow> troubleOf(const PracticeSummary &summary)
{
    TroubleWords trouble;
    trouble.add(summary.troubleWords);
    QHash<QString, ReviewSchedule::Word> review;
    for (const PracticeSummary::ScheduledWord &word : summary.schedule)
        review.insert(word.word, ReviewSchedule::Word{word});
    QList<ProgressReport::TroubleRow> rows;
    for (const Standing &standing : trouble.words())
        rows.append({standing, review.take(standing.word)});
    // After the words with tries, by word as the schedule comes.
    for (const PracticeSummary::ScheduledWord &word : summary.schedule) {
        const auto left = review.constFind(word.word);
        if (left != review.cend() && left->isScheduled())
            rows.append({Standing{word.word, 0, 0}, *left});
    }
    return rows;
}

} // namespace

ProgressReport::ProgressReport(const QString &player, const PracticeSummary &summary, QDate today)
    : m_player(player)
    , m_figures(PracticeFigures::of(summary, today))
    , m_lists(ListColumns, m_figures.lists)
    , m_trouble(troubleColumns(today), troubleOf(summary))
    , m_tests(TestColumns, latestFirst(SpellingTestResults::of(summary.recent)))
{
}

QString ProgressReport::tallyText(const PracticeFigures::Tally &tally)
{
    QString text = count(tally.played, u"round played", u"rounds played") + u", "_s
        + QString::number(tally.won) + u" won"_s;
    if (tally.abandoned > 0)
        text += u" ("_s + QString::number(tally.abandoned) + u" more left for a new word)"_s;
    return text;
}

QString ProgressReport::reviewText(const PracticeFigures::Review &review)
{
    QStringList boxes;
    for (const int n : review.inBox)
        boxes.append(QString::number(n));
    return u"Review: "_s + count(review.dueToday, u"word due today", u"words due today")
        + u"; in boxes 1 to "_s + QString::number(ReviewSchedule::BoxCount) + u": "_s
        + boxes.join(u", "_s) + u"; "_s + QString::number(review.knownThisWeek)
        + u" known this week"_s;
}

QString ProgressReport::spellingTestsHeading()
{
    // The report reads only the chart's weeks of rounds.
    return u"Spelling tests, last "_s + QString::number(PracticeFigures::ChartWeeks) + u" weeks"_s;
}

QString ProgressReport::chartDescription() const
{
    QStringList days;
    for (const PracticeFigures::Day &day : m_figures.days) {
        if (day.won + day.lost > 0)
            days.append(QLocale().toString(day.date, u"dddd d MMMM"_s) + u": "_s
                + QString::number(day.won) + u" won, "_s + QString::number(day.lost) + u" lost"_s);
    }
    const QString span = u"Rounds per day over the last "_s
        + QString::number(PracticeFigures::ChartWeeks) + u" weeks"_s;
    if (days.isEmpty())
        return span + u": none played."_s;
    return span + u": "_s + days.join(u"; "_s) + u'.';
}

void ProgressReport::showOn(ProgressView &view)
{
    view.showPlayer(u"Progress of "_s + m_player);
    view.showTallies(u"This week: "_s + tallyText(m_figures.thisWeek),
        u"In all: "_s + tallyText(m_figures.allTime));
    view.showReview(reviewText(m_figures.review));
    view.showDays(m_figures.days, chartDescription());
    view.showLists(&m_lists);
    view.showTroubleWords(&m_trouble);
    view.showSpellingTests(&m_tests);
}

QString ProgressReport::html() const
{
    return u"<html><body><h1>Progress of "_s + m_player.toHtmlEscaped() + u"</h1><p>This week: "_s
        + tallyText(m_figures.thisWeek).toHtmlEscaped() + u"<br>In all: "_s
        + tallyText(m_figures.allTime).toHtmlEscaped() + u"<br>"_s
        + reviewText(m_figures.review).toHtmlEscaped() + u"</p><p>"_s
        + chartDescription().toHtmlEscaped() + u"</p><h2>Lists</h2>"_s + TableText::html(m_lists)
        + u"<h2>Trouble words</h2>"_s
        + (m_trouble.rows().isEmpty() ? u"<p>None.</p>"_s : TableText::html(m_trouble)) + u"<h2>"_s
        + spellingTestsHeading() + u"</h2>"_s
        + (m_tests.rows().isEmpty() ? u"<p>None.</p>"_s : TableText::html(m_tests))
        + u"</body></html>"_s;
}

QByteArray ProgressReport::csv(const QList<PracticeRound> &rounds)
{
    QList<PracticeRound> local = rounds;
    for (PracticeRound &round : local)
        round.when = round.when.toLocalTime();
    return TableText::csv(RoundModel(RoundColumns, local));
}
