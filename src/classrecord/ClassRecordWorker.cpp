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

// Opens the connection when needed and does one piece of work on it; a failure of either drops it.
ClassProblem ClassRecordWorker::run(const std::function<ClassProblem(ClassDatabase &)> &work)
{
    const ClassProblem problem = open();
    return problem.ok() ? settle(work(*m_db)) : problem;
}

void ClassRecordWorker::send(quint64 request, const QList<PracticeRound> &rounds)
{
    const ClassProblem problem
        = run([&](ClassDatabase &db) { return db.send(rounds, m_computer); });
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
    const ClassProblem problem
        = run([&](ClassDatabase &db) { return db.readView(weekStart, view); });
    if (problem.ok())
        Q_EMIT viewRead(request, view);
    else
        Q_EMIT failed(request, problem);
}

void ClassRecordWorker::readRounds(quint64 request)
{
    QList<PracticeRound> rounds;
    const ClassProblem problem = run([&](ClassDatabase &db) { return db.readRounds(rounds); });
    if (problem.ok())
        Q_EMIT roundsRead(request, rounds);
    else
        Q_EMIT failed(request, problem);
}

void ClassRecordWorker::readLists(quint64 request)
{
    QList<ClassList> lists;
    const ClassProblem problem = run([&](ClassDatabase &db) { return db.readLists(lists); });
    if (problem.ok())
        Q_EMIT listsRead(request, lists);
    else
        Q_EMIT failed(request, problem);
}

void ClassRecordWorker::changeLists(
    quint64 request, const std::function<ClassProblem(ClassDatabase &)> &change)
{
    const ClassProblem problem = run(change);
    if (problem.ok())
        Q_EMIT listsChanged(request);
    else
        Q_EMIT failed(request, problem);
}
