#include "record/TroubleWords.h"

#include <algorithm>

using Result = RoundResult;

bool TroubleWords::isTroubleTry(Result result, int misses)
{
    return result == Result::Lost || (result == Result::Won && misses >= TroubleMisses);
}

void TroubleWords::apply(Standing &standing, Result result, int misses)
{
    if (result == Result::Abandoned)
        return;
    if (result == Result::Won && misses == 0) {
        if (++standing.cleanWinsInARow >= 2)
            standing.troubleTries = 0;
        return;
    }
    standing.cleanWinsInARow = 0;
    if (isTroubleTry(result, misses))
        ++standing.troubleTries;
}

void TroubleWords::add(const PracticeRound &round)
{
    if (round.result == Result::Abandoned)
        return;
    Standing &standing = m_standings[round.word];
    standing.word = round.word;
    apply(standing, round.result, round.misses);
}

void TroubleWords::add(const QList<Standing> &standings)
{
    for (const Standing &standing : standings)
        m_standings.insert(standing.word, standing);
}

QList<TroubleWords::Standing> TroubleWords::words() const
{
    QList<Standing> found;
    for (const Standing &standing : m_standings) {
        if (standing.troubleTries > 0)
            found.append(standing);
    }
    std::sort(found.begin(), found.end(), [](const Standing &a, const Standing &b) {
        return a.troubleTries != b.troubleTries ? a.troubleTries > b.troubleTries : a.word < b.word;
    });
    return found;
}

QStringList TroubleWords::wordTexts() const
{
    QStringList texts;
    for (const Standing &standing : words())
        texts.append(standing.word);
    return texts;
}
