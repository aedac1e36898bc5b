#include "classrecord/ClassRecordSender.h"

#include "classrecord/ClassRecordConnection.h"
#include "platform/RoundOutbox.h"

#include <QLoggingCategory>

#include <algorithm>

namespace {
Q_LOGGING_CATEGORY(lcSender, "wordrow.classrecord")
}

ClassRecordSender::ClassRecordSender(RoundOutbox &outbox, ClassDatabaseFactory factory,
    const QString &service, const QString &computer, QObject *parent)
    : QObject(parent)
    , m_outbox(outbox)
    , m_connection(new ClassRecordConnection(std::move(factory), service, computer, this))
{
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &ClassRecordSender::sendWaiting);
    connect(m_connection, &ClassRecordConnection::sent, this, &ClassRecordSender::batchSent);
    connect(m_connection, &ClassRecordConnection::failed, this, &ClassRecordSender::batchFailed);
}

ClassRecordSender::~ClassRecordSender() = default;

void ClassRecordSender::sendWaiting()
{
    if (m_sending || m_pause.isActive())
        return;
    const QList<PracticeRound> batch = m_outbox.unsentRounds(BatchSize);
    if (batch.isEmpty()) {
        Q_EMIT allSent();
        return;
    }
    m_sending = true;
    m_batch = m_connection->send(batch);
}

void ClassRecordSender::setDeadlineMs(int ms)
{
    m_connection->setDeadlineMs(ms);
}

void ClassRecordSender::batchSent(quint64 request, const QList<QUuid> &ids)
{
    if (request != m_batch)
        return;
    m_sending = false;
    m_nextPauseMs = FirstPauseMs;
    m_sentCount += int(ids.size());
    // A mark that could not be kept sends them again later; the server keeps each round once.
    if (!m_outbox.markSent(ids)) {
        qCWarning(lcSender) << "The sent rounds could not be marked; they go again later";
        m_pause.start(m_nextPauseMs);
        return;
    }
    sendWaiting();
}

void ClassRecordSender::batchFailed(quint64 request, const ClassProblem &why)
{
    if (request != m_batch)
        return;
    m_sending = false;
    qCInfo(lcSender) << "Rounds wait for the class record:" << why.kind << why.detail;
    m_pause.start(m_nextPauseMs);
    m_nextPauseMs = std::min(m_nextPauseMs * 2, MaxPauseMs);
    Q_EMIT problem(why);
}
