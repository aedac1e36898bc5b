#include "record/PracticeFigures.h"

#include <algorithm>
#include <vector>

using Result = RoundResult;

void PracticeFigures::Tally::add(Result result)
{
    if (result == Result::Abandoned) {
        ++abandoned;
        return;
    }
    ++played;
    if (result == Result::Won)
        ++won;
}

QDate PracticeFigures::weekStart(QDate day)
{
    return day.addDays(1 - day.dayOfWeek());
}

QDateTime PracticeFigures::chartStart(QDate today)
{
    return weekStart(today).addDays(-7 * (ChartWeeks - 1)).startOfDay();
}

PracticeFigures PracticeFigures::of(const PracticeSummary &summary, QDate today)
{
    PracticeFigures figures;
    const QDate monday = weekStart(today);
    const QDate chartFirst = chartStart(today).date();
    // Each day's start in local time, and the end of today: rounds are placed by comparing
    // instants, since converting each round to local time is slow.
    std::vector<qint64> dayStarts;
    for (QDate day = chartFirst; day <= today.addDays(1); day = day.addDays(1)) {
        dayStarts.push_back(day.startOfDay().toMSecsSinceEpoch());
        if (day <= today)
            figures.days.append({day, 0, 0});
    }
    const qint64 chartBegins = dayStarts.front();
    const qint64 weekBegins = monday.startOfDay().toMSecsSinceEpoch();
    const qint64 todayEnds = dayStarts.back();

    for (const PracticeRound &round : summary.recent) {
        // A spelling test's answers are not rounds played: the tests have a table of their own.
        if (round.kind != RoundKind::Kind::Game)
            continue;
        const qint64 when = round.when.toMSecsSinceEpoch();
        if (when < chartBegins || when >= todayEnds)
            continue;
        if (when >= weekBegins)
            figures.thisWeek.add(round.result);
        if (round.result != Result::Abandoned) {
            const auto next = std::upper_bound(dayStarts.cbegin(), dayStarts.cend(), when);
            Day &day = figures.days[next - dayStarts.cbegin() - 1];
            ++(round.result == Result::Won ? day.won : day.lost);
        }
    }
    for (const PracticeSummary::ListTally &list : summary.lists) {
        const Tally tally{list.won + list.lost, list.won, list.abandoned};
        figures.lists.append({list.list, tally});
        figures.allTime.played += tally.played;
        figures.allTime.won += tally.won;
        figures.allTime.abandoned += tally.abandoned;
    }
    for (const PracticeSummary::ScheduledWord &scheduled : summary.schedule) {
        const ReviewSchedule::Word word{scheduled};
        if (word.isScheduled())
            ++figures.review.inBox.at(word.box - 1);
        else if (word.known >= monday && word.known <= today)
            ++figures.review.knownThisWeek;
        if (word.isDue(today))
            ++figures.review.dueToday;
    }
    return figures;
}
