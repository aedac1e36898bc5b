#pragma once

#include "platform/RoundOutbox.h"

#include <QSet>

// The local record's unsent rounds in memory; a test can make it fail to keep the marks.
class FakeRoundOutbox final : public RoundOutbox
{
public:
    QList<PracticeRound> unsentRounds(int limit) override
    {
        QList<PracticeRound> found;
        for (const PracticeRound &round : std::as_const(rounds)) {
            if (found.size() == limit)
                break;
            if (!sent.contains(round.id))
                found.append(round);
        }
        return found;
    }
    bool markSent(const QList<QUuid> &ids) override
    {
        ++marks;
        if (refuseMarks > 0) {
            --refuseMarks;
            return false;
        }
        for (const QUuid &id : ids)
            sent.insert(id);
        return true;
    }
    int unsentCount() override { return int(rounds.size() - sent.size()); }
    bool allSent() const { return sent.size() == rounds.size(); }

    QList<PracticeRound> rounds;
    QSet<QUuid> sent;
    // How many marks to refuse before keeping them.
    int refuseMarks = 0;
    int marks = 0;
};
