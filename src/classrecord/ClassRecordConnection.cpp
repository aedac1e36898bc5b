#include "classrecord/ClassRecordConnection.h"

#include "classrecord/ClassRecordWorker.h"

#include <QThread>

using namespace Qt::StringLiterals;

ClassRecordConnection::ClassRecordConnection(
    ClassDatabaseFactory factory, const QString &service, const QString &computer, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_thread(new QThread)
    , m_worker(new ClassRecordWorker(std::move(factory), service, computer))
{
    m_thread->setObjectName(u"wordrow-class-record"_s);
    m_worker->moveToThread(m_thread);
    // Deleted on its own thread as that thread ends, so its connection closes there.
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &ClassRecordWorker::sent, this, &ClassRecordConnection::sent);
    connect(m_worker, &ClassRecordWorker::checked, this, &ClassRecordConnection::checked);
    connect(m_worker, &ClassRecordWorker::viewRead, this, &ClassRecordConnection::viewRead);
    connect(m_worker, &ClassRecordWorker::roundsRead, this, &ClassRecordConnection::roundsRead);
    connect(m_worker, &ClassRecordWorker::failed, this, &ClassRecordConnection::failed);
    m_thread->start();
}

ClassRecordConnection::~ClassRecordConnection()
{
    disconnect(m_worker, nullptr, this, nullptr);
    m_thread->quit();
    // A connection to a server that has stopped answering ends within its time-outs; the game
    // does not wait for it at its end. The thread then finishes alone, and the program's end
    // takes it with it.
    if (m_thread->wait(CloseWaitMs))
        delete m_thread;
    else
        connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
}

void ClassRecordConnection::send(const QList<PracticeRound> &rounds)
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, rounds] { worker->send(rounds); });
}

void ClassRecordConnection::check()
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->check(); });
}

void ClassRecordConnection::readView(const QDateTime &weekStart)
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, weekStart] { worker->readView(weekStart); });
}

void ClassRecordConnection::readRounds()
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->readRounds(); });
}
