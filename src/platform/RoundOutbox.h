#pragma once

#include "platform/PracticeRecordStore.h"

#include <QList>
#include <QUuid>

// The rounds of the local record still to go to the class record. Used from the interface thread
// only, like the local record itself: the sender takes a batch here, sends it on a thread of its
// own and comes back to mark it.
class RoundOutbox
{
public:
    virtual ~RoundOutbox() = default;
    // Rounds not yet sent to the class record, oldest first, at most `limit`, each with its id and
    // player.
    virtual QList<PracticeRound> unsentRounds(int limit) = 0;
    // After the server's commit: these rounds are sent. False when the mark could not be kept
    // (they are then sent again later, and the server keeps them once).
    virtual bool markSent(const QList<QUuid> &ids) = 0;
};
