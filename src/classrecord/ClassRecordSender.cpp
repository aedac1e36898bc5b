#include "classrecord/ClassRecordSender.h"

#include "classrecord/ClassRecordConnection.h"
#include "platform/RoundOutbox.h"

#include <QLoggingCategory>

using namespace Qt::StringLiterals;

#include <algorithm>

namespace {
Q_LOGGING_CATEGORY(lcSender, "wordrow.classrecord")
}

ClassRecordSender::ClassRecordSender(RoundOutbox &outbox, ClassDatabaseFactory factory,
    const QString &service, const QString &computer, QObject *parent)
    : QObject(parent)
    , m_outbox(outbox)
    , m_computer(computer)
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
    QList<PracticeRound> batch = m_outbox.unsentRounds(BatchSize);
    // Rounds kept before their computer was go under the name of today.
    for (PracticeRound &round : batch) {
        if (round.computer.isEmpty())
            round.computer = m_computer;
    }
    if (batch.isEmpty()) {
        Q_EMIT allSent();
        return;
    }
    m_sending = true;
    m_batch = m_connection->send(batch);
}

QString ClassRecordSender::waitingText(const QString &service)
{
    const int waiting = m_outbox.unsentCount();
    if (waiting == 0)
        return u"Every round of this computer has reached the class record."_s;
    const QString rounds
        = waiting == 1 ? u"1 round waits"_s : QString::number(waiting) + u" rounds wait"_s;
    if (!m_troubleSince.isValid())
        return rounds + u" on this computer, on its way to the class record."_s;
    const QString since = m_troubleSince.toString(
        m_troubleSince.date() == QDate::currentDate() ? u"HH:mm"_s : u"d MMM HH:mm"_s);
    if (m_trouble.kind == ClassProblem::Unreachable)
        return rounds + u" on this computer: the server cannot be reached since "_s + since + u'.';
    return rounds + u" on this computer since "_s + since + u". "_s + m_trouble.message(service);
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
    m_troubleSince = {};
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
    if (!m_troubleSince.isValid())
        m_troubleSince = QDateTime::currentDateTime();
    m_trouble = why;
    m_pause.start(m_nextPauseMs);
    m_nextPauseMs = std::min(m_nextPauseMs * 2, MaxPauseMs);
    Q_EMIT problem(why);
}
