#include "classrecord/ClassRecordWorker.h"

ClassRecordWorker::ClassRecordWorker(
    ClassDatabaseFactory factory, const QString &service, const QString &computer)
    : m_factory(std::move(factory))
    , m_service(service)
    , m_computer(computer)
{
}

// On the worker's thread, so the connection closes where it was opened.
ClassRecordWorker::~ClassRecordWorker() = default;

ClassProblem ClassRecordWorker::open()
{
    if (!m_db && m_factory)
        m_db = m_factory();
    if (!m_db)
        return {ClassProblem::NoDriver, {}};
    return settle(m_db->open(m_service));
}

ClassProblem ClassRecordWorker::settle(const ClassProblem &problem)
{
    if (!problem.ok())
        m_db.reset();
    return problem;
}

void ClassRecordWorker::send(quint64 request, const QList<PracticeRound> &rounds)
{
    ClassProblem problem = open();
    if (problem.ok())
        problem = settle(m_db->send(rounds, m_computer));
    if (!problem.ok()) {
        Q_EMIT failed(request, problem);
        return;
    }
    QList<QUuid> ids;
    ids.reserve(rounds.size());
    for (const PracticeRound &round : rounds)
        ids.append(round.id);
    Q_EMIT sent(request, ids);
}

void ClassRecordWorker::check(quint64 request)
{
    Q_EMIT checked(request, open());
}

void ClassRecordWorker::readView(quint64 request, const QDateTime &weekStart)
{
    ClassView view;
    ClassProblem problem = open();
    if (problem.ok())
        problem = settle(m_db->readView(weekStart, view));
    if (problem.ok())
        Q_EMIT viewRead(request, view);
    else
        Q_EMIT failed(request, problem);
}

void ClassRecordWorker::readRounds(quint64 request)
{
    QList<PracticeRound> rounds;
    ClassProblem problem = open();
    if (problem.ok())
        problem = settle(m_db->readRounds(rounds));
    if (problem.ok())
        Q_EMIT roundsRead(request, rounds);
    else
        Q_EMIT failed(request, problem);
}

void ClassRecordWorker::readLists(quint64 request)
{
    QList<ClassList> lists;
    ClassProblem problem = open();
    if (problem.ok())
        problem = settle(m_db->readLists(lists));
    if (problem.ok())
        Q_EMIT listsRead(request, lists);
    else
        Q_EMIT failed(request, problem);
}

void ClassRecordWorker::changeLists(
    quint64 request, const std::function<ClassProblem(ClassDatabase &)> &change)
{
    ClassProblem problem = open();
    if (problem.ok())
        problem = settle(change(*m_db));
    if (problem.ok())
        Q_EMIT listsChanged(request);
    else
        Q_EMIT failed(request, problem);
}
