#pragma once

#include "classrecord/ClassDatabase.h"

#include <QObject>
#include <QTimer>
#include <QUuid>

class ClassRecordConnection;
class RoundOutbox;

// Sends the rounds of the local record to the class record in batches, in the background: it takes
// a batch from the outbox (a quick local read on the interface thread), the connection sends it on
// its own thread, and only once the server has committed it does the outbox mark it sent. A server
// that is down, slow or refusing leaves the rounds waiting; the sender tries again after a pause
// that grows with each failure, up to MaxPauseMs.
class ClassRecordSender : public QObject
{
    Q_OBJECT

public:
    static constexpr int BatchSize = 200;
    static constexpr int FirstPauseMs = 1000;
    static constexpr int MaxPauseMs = 5 * 60 * 1000;

    ClassRecordSender(RoundOutbox &outbox, ClassDatabaseFactory factory, const QString &service,
        const QString &computer, QObject *parent = nullptr);
    ~ClassRecordSender() override;

    // A round has been kept, or the sender has just been made: send what waits, unless a batch
    // is under way or a pause after a failure runs.
    void sendWaiting();

    bool isSending() const { return m_sending; }
    // The pause before the next try, 0 while all is well.
    int pauseMs() const { return m_pause.isActive() ? m_pause.interval() : 0; }
    int sentCount() const { return m_sentCount; }

Q_SIGNALS:
    // Everything the outbox held has gone.
    void allSent();
    // A batch did not go; it waits for the next try.
    void problem(const ClassProblem &problem);

private:
    void batchSent(const QList<QUuid> &ids);
    void batchFailed(const ClassProblem &why);

    RoundOutbox &m_outbox;
    ClassRecordConnection *m_connection = nullptr;
    QTimer m_pause;
    int m_nextPauseMs = FirstPauseMs;
    bool m_sending = false;
    int m_sentCount = 0;
};
