#pragma once

#include "platform/PracticeRecordStore.h"

#include <algorithm>

// The practice record in memory; a test can make it refuse to keep rounds, as a full disk would.
class FakePracticeRecord final : public PracticeRecordStore
{
public:
    bool add(const PracticeRound &round) override
    {
        if (refuse)
            return false;
        kept.append(round);
        return true;
    }
    QList<PracticeRound> rounds(const QString &player) override
    {
        ++reads;
        QList<PracticeRound> found;
        std::copy_if(kept.cbegin(), kept.cend(), std::back_inserter(found),
            [&](const PracticeRound &round) { return round.player == player; });
        return found;
    }
    QStringList players() override
    {
        QStringList names;
        for (const PracticeRound &round : std::as_const(kept)) {
            if (!names.contains(round.player))
                names.append(round.player);
        }
        return names;
    }
    bool renamePlayer(const QString &from, const QString &to) override
    {
        if (refuse)
            return false;
        for (PracticeRound &round : kept) {
            if (round.player == from)
                round.player = to;
        }
        return true;
    }

    QList<PracticeRound> kept;
    bool refuse = false;
    int reads = 0;
};
