#include "record/PracticeFigures.h"

#include <QMap>

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
    for (QDate day = chartStart; day <= today; day = day.addDays(1))
        figures.days.append({day, 0, 0});

    QMap<QString, Tally> lists;
    for (const PracticeRound &round : rounds) {
        const QDate date = round.when.toLocalTime().date();
        figures.allTime.add(round.result);
        lists[round.list].add(round.result);
        if (date >= weekStart && date <= today)
            figures.thisWeek.add(round.result);
        if (date >= chartStart && date <= today && round.result != Result::Abandoned) {
            Day &day = figures.days[chartStart.daysTo(date)];
            ++(round.result == Result::Won ? day.won : day.lost);
        }
    }
    for (auto it = lists.cbegin(); it != lists.cend(); ++it)
        figures.lists.append({it.key(), it.value()});
    return figures;
}
