#include "record/PracticeFigures.h"

#include <QMap>

#include <algorithm>
#include <vector>

using Result = PracticeRound::Result;

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

PracticeFigures PracticeFigures::of(const QList<PracticeRound> &rounds, QDate today)
{
    PracticeFigures figures;
    const QDate weekStart = today.addDays(1 - today.dayOfWeek());
    const QDate chartStart = weekStart.addDays(-7 * (ChartWeeks - 1));
    // Each day's start in local time, and the end of today: rounds are placed by comparing
    // instants, since converting each of many rounds to local time is slow.
    std::vector<qint64> dayStarts;
    for (QDate day = chartStart; day <= today.addDays(1); day = day.addDays(1)) {
        dayStarts.push_back(day.startOfDay().toMSecsSinceEpoch());
        if (day <= today)
            figures.days.append({day, 0, 0});
    }
    const qint64 chartBegins = dayStarts.front();
    const qint64 weekBegins = weekStart.startOfDay().toMSecsSinceEpoch();
    const qint64 todayEnds = dayStarts.back();

    QMap<QString, Tally> lists;
    for (const PracticeRound &round : rounds) {
        const qint64 when = round.when.toMSecsSinceEpoch();
        figures.allTime.add(round.result);
        lists[round.list].add(round.result);
        if (when >= weekBegins && when < todayEnds)
            figures.thisWeek.add(round.result);
        if (when >= chartBegins && when < todayEnds && round.result != Result::Abandoned) {
            const auto next = std::upper_bound(dayStarts.cbegin(), dayStarts.cend(), when);
            Day &day = figures.days[next - dayStarts.cbegin() - 1];
            ++(round.result == Result::Won ? day.won : day.lost);
        }
    }
    for (auto it = lists.cbegin(); it != lists.cend(); ++it)
        figures.lists.append({it.key(), it.value()});
    return figures;
}
