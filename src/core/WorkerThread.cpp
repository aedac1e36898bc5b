#include "core/WorkerThread.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QThread>

WorkerThread::WorkerThread(const QString &name, QObject *worker)
    : m_thread(std::make_unique<QThread>())
{
    m_thread->setObjectName(name);
    worker->moveToThread(m_thread.get());
    QObject::connect(m_thread.get(), &QThread::finished, worker, &QObject::deleteLater);
    m_thread->start();
}

WorkerThread::~WorkerThread()
{
    stop();
}

bool WorkerThread::stop(int timeoutMs)
{
    if (!m_thread)
        return false;
    m_thread->quit();
    if (m_thread->wait(QDeadlineTimer(timeoutMs)))
        return true;
    qWarning() << "The thread" << m_thread->objectName() << "did not stop; leaving it behind";
    QThread *left = m_thread.release();
    QObject::connect(left, &QThread::finished, left, &QObject::deleteLater);
    return false;
}
