#include "classrecord/ClassRecordConnection.h"

#include "classrecord/ClassRecordWorker.h"
#include "core/WorkerThread.h"

#include <QLoggingCategory>

using namespace Qt::StringLiterals;

namespace {
Q_LOGGING_CATEGORY(lcConnection, "wordrow.classrecord")
}

ClassRecordConnection::ClassRecordConnection(
    ClassDatabaseFactory factory, const QString &service, const QString &computer, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
    , m_service(service)
    , m_computer(computer)
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(DeadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, &ClassRecordConnection::expire);
}

ClassRecordConnection::~ClassRecordConnection()
{
    // An idle worker closes its connection at once; a busy one may be stuck on the network, and
    // the program's end does not wait for it.
    if (m_thread)
        m_thread->stop(m_waiting.isEmpty() ? WorkerThread::StopTimeoutMs : 0);
}

template<typename Call>
ClassRecordConnection::Request ClassRecordConnection::post(Call call)
{
    if (!m_worker) {
        m_worker = new ClassRecordWorker(m_factory, m_service, m_computer);
        auto forward = [this](auto signal, auto answer) {
            connect(m_worker, signal, this, [this, answer](Request request, const auto &value) {
                if (answered(request))
                    Q_EMIT(this->*answer)(request, value);
            });
        };
        forward(&ClassRecordWorker::sent, &ClassRecordConnection::sent);
        forward(&ClassRecordWorker::checked, &ClassRecordConnection::checked);
        forward(&ClassRecordWorker::viewRead, &ClassRecordConnection::viewRead);
        forward(&ClassRecordWorker::roundsRead, &ClassRecordConnection::roundsRead);
        forward(&ClassRecordWorker::listsRead, &ClassRecordConnection::listsRead);
        forward(&ClassRecordWorker::failed, &ClassRecordConnection::failed);
        connect(m_worker, &ClassRecordWorker::listsChanged, this, [this](Request request) {
            if (answered(request))
                Q_EMIT listsChanged(request);
        });
        m_thread = std::make_unique<WorkerThread>(u"wordrow-class-record"_s, m_worker);
    }
    const Request request = ++m_last;
    m_waiting.append(request);
    if (!m_deadline.isActive())
        m_deadline.start();
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, request, call] { call(worker, request); });
    return request;
}

bool ClassRecordConnection::answered(Request request)
{
    if (!m_waiting.removeOne(request))
        return false;
    // The next request starts only now, on the worker's one thread.
    if (m_waiting.isEmpty())
        m_deadline.stop();
    else
        m_deadline.start();
    return true;
}

void ClassRecordConnection::expire()
{
    qCWarning(lcConnection) << "The class database gave no answer within" << deadlineMs()
                            << "ms; its connection is dropped";
    const QList<Request> lost = std::exchange(m_waiting, {});
    leaveWorker();
    const ClassProblem problem{
        ClassProblem::Unreachable, u"no answer within %1 s"_s.arg(deadlineMs() / 1000.0)};
    for (const Request request : lost)
        Q_EMIT failed(request, problem);
}

void ClassRecordConnection::leaveWorker()
{
    if (!m_thread)
        return;
    disconnect(m_worker, nullptr, this, nullptr);
    m_thread->stop(0);
    m_thread.reset();
    m_worker = nullptr;
}

ClassRecordConnection::Request ClassRecordConnection::send(const QList<PracticeRound> &rounds)
{
    return post(
        [rounds](ClassRecordWorker *worker, Request request) { worker->send(request, rounds); });
}

ClassRecordConnection::Request ClassRecordConnection::check()
{
    return post([](ClassRecordWorker *worker, Request request) { worker->check(request); });
}

ClassRecordConnection::Request ClassRecordConnection::readView(const QDateTime &weekStart)
{
    return post([weekStart](ClassRecordWorker *worker, Request request) {
        worker->readView(request, weekStart);
    });
}

ClassRecordConnection::Request ClassRecordConnection::readRounds()
{
    return post([](ClassRecordWorker *worker, Request request) { worker->readRounds(request); });
}

ClassRecordConnection::Request ClassRecordConnection::readLists()
{
    return post([](ClassRecordWorker *worker, Request request) { worker->readLists(request); });
}

ClassRecordConnection::Request ClassRecordConnection::changeLists(
    std::function<ClassProblem(ClassDatabase &)> change)
{
    return post([change = std::move(change)](ClassRecordWorker *worker, Request request) {
        worker->changeLists(request, change);
    });
}

ClassRecordConnection::Request ClassRecordConnection::publishList(const ClassList &list)
{
    return changeLists([list](ClassDatabase &db) { return db.publishList(list); });
}

ClassRecordConnection::Request ClassRecordConnection::withdrawList(const QString &name)
{
    return changeLists([name](ClassDatabase &db) { return db.withdrawList(name); });
}

ClassRecordConnection::Request ClassRecordConnection::markThisWeek(const QString &name)
{
    return changeLists([name](ClassDatabase &db) { return db.markThisWeek(name); });
}
