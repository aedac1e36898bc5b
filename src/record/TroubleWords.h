#pragma once

#include "platform/PracticeRecordStore.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The words a player still has trouble with. A try is trouble when the round was lost, or won
// with three misses or more; a word stays trouble from such a try until it is won twice in a row
// without a miss. Abandoned rounds say nothing either way.
class TroubleWords
{
public:
    static constexpr int TroubleMisses = 3;

    using Standing = PracticeSummary::WordStanding;

    // A try that is trouble: lost, or won with TroubleMisses or more. The review schedule takes
    // its trouble from here too.
    static bool isTroubleTry(RoundResult result, int misses);

    // The one rule: how a word's standing changes with a round of it.
    static void apply(Standing &standing, RoundResult result, int misses);

    // Rounds must come oldest first.
    void add(const PracticeRound &round);
    // Standings as the record keeps them.
    void add(const QList<Standing> &standings);

    // The words with trouble tries, most troubled first, then by word.
    QList<Standing> words() const;
    QStringList wordTexts() const;

private:
    QHash<QString, Standing> m_standings;
};
