#pragma once

#include "classrecord/ClassDatabase.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <QUuid>

class ClassRecordConnection;
class RoundOutbox;

// Sends the rounds of the local record to the class record in batches, in the background: it takes
// a batch from the outbox (a quick local read on the interface thread), the connection sends it on
// its own thread, and only once the server has committed it does the outbox mark it sent. A server
// that is down, slow or refusing leaves the rounds waiting; the sender tries again after a pause
// that grows with each failure, up to MaxPauseMs, on a new connection.
class ClassRecordSender : public QObject
{
    Q_OBJECT

public:
    static constexpr int BatchSize = 200;
    static constexpr int FirstPauseMs = 1000;
    // A minute at most: rounds go within about two minutes of the network coming back.
    static constexpr int MaxPauseMs = 60 * 1000;

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
    // How the rounds of this computer stand, in a teacher's words: how many wait, since when
    // and why.
    QString waitingText(const QString &service);
    // How long a batch may go unanswered before it counts as failed.
    void setDeadlineMs(int ms);

Q_SIGNALS:
    // Everything the outbox held has gone.
    void allSent();
    // A batch did not go; it waits for the next try.
    void problem(const ClassProblem &problem);

private:
    void batchSent(quint64 request, const QList<QUuid> &ids);
    void batchFailed(quint64 request, const ClassProblem &why);

    RoundOutbox &m_outbox;
    // For the rounds kept without their computer's name.
    QString m_computer;
    ClassRecordConnection *m_connection = nullptr;
    QTimer m_pause;
    int m_nextPauseMs = FirstPauseMs;
    quint64 m_batch = 0;
    bool m_sending = false;
    // From the first failure after a batch went, with the last reason.
    QDateTime m_troubleSince;
    ClassProblem m_trouble;
    int m_sentCount = 0;
};
