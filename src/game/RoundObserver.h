#pragma once

#include "core/RoundResult.h"

#include <QString>

// Told of each round's start and end, for what happens beside the round itself: saying the word,
// keeping the player's record. Observers never change the round.
class RoundObserver
{
public:
    struct Round
    {
        QString word;
        RoundResult result = RoundResult::Abandoned;
        int misses = 0;
        // The letters guessed wrong, in the order they were guessed.
        QString wrongLetters;
        // The word's sentence was shown as a hint: no clean answer, whatever the result.
        bool hinted{};

        bool operator==(const Round &) const = default;
    };

    virtual ~RoundObserver() = default;

    virtual void roundStarted(const QString &word) = 0;
    // After the round's remark and sound have started. A round left for a new word by "New Word"
    // ends as abandoned, before the next one starts.
    virtual void roundEnded(const Round &round) = 0;
};
