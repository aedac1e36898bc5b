#include "game/TroubleWords.h"

#include <algorithm>

using Result = PracticeRound::Result;

void TroubleWords::add(const PracticeRound &round)
{
    if (round.result == Result::Abandoned)
        return;
    Standing &standing = m_standings[round.word];
    if (round.result == Result::Won && round.misses == 0) {
        if (++standing.cleanWinsInARow >= 2)
            standing.troubleTries = 0;
        return;
    }
    standing.cleanWinsInARow = 0;
    if (round.result == Result::Lost || round.misses >= TroubleMisses)
        ++standing.troubleTries;
}

void TroubleWords::add(const QList<PracticeRound> &rounds)
{
    for (const PracticeRound &round : rounds)
        add(round);
}

QList<TroubleWords::Word> TroubleWords::words() const
{
    QList<Word> found;
    for (auto it = m_standings.cbegin(); it != m_standings.cend(); ++it) {
        if (it->troubleTries > 0)
            found.append({it.key(), it->troubleTries});
    }
    std::sort(found.begin(), found.end(), [](const Word &a, const Word &b) {
        return a.tries != b.tries ? a.tries > b.tries : a.word < b.word;
    });
    return found;
}

QStringList TroubleWords::wordTexts() const
{
    QStringList texts;
    for (const Word &word : words())
        texts.append(word.word);
    return texts;
}
