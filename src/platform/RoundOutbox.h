#pragma once

#include "platform/PracticeRecordStore.h"

#include <QList>
#include <QUuid>

// The local record as the class record reads it: the rounds it has still to send.
class RoundOutbox
{
public:
    virtual ~RoundOutbox() = default;
    // Rounds not yet sent to the class record, oldest first, at most `limit`, each with its id and
    // player.
    virtual QList<PracticeRound> unsentRounds(int limit) = 0;
    // After the server's commit: these rounds are sent. False when the mark could not be kept (they
    // are then sent again later, and the server's ON CONFLICT DO NOTHING keeps them once).
    virtual bool markSent(const QList<QUuid> &ids) = 0;
    // How many rounds wait to be sent.
    virtual int unsentCount() = 0;
};
