#pragma once

#include "platform/PracticeRecordStore.h"
#include "record/PlayerSchedule.h"
#include "record/TroubleWords.h"

#include <QMap>

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
    // Worked out from the rounds each time, by the same rule the database applies round by round.
    PracticeSummary summary(const QString &player, const QDateTime &since) override
    {
        const QList<PracticeRound> all = rounds(player);
        PracticeSummary summary;
        QMap<QString, PracticeSummary::ListTally> lists;
        TroubleWords trouble;
        PlayerSchedule schedule;
        for (const PracticeRound &round : all) {
            schedule.add(round);
            if (round.when >= since)
                summary.recent.append(round);
            if (round.kind != RoundKind::Kind::Game)
                continue;
            PracticeSummary::ListTally &tally = lists[round.list];
            tally.list = round.list;
            ++(round.result == RoundResult::Won         ? tally.won
                    : round.result == RoundResult::Lost ? tally.lost
                                                        : tally.abandoned);
            trouble.add(round);
        }
        summary.lists = lists.values();
        // By word, as the record gives them.
        summary.troubleWords = trouble.words();
        std::sort(summary.troubleWords.begin(), summary.troubleWords.end(),
            [](const auto &a, const auto &b) { return a.word < b.word; });
        summary.schedule = schedule.words();
        return summary;
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
