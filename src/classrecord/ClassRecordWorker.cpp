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
    return m_db->open(m_service);
}

void ClassRecordWorker::send(const QList<PracticeRound> &rounds)
{
    ClassProblem problem = open();
    if (problem.ok())
        problem = m_db->send(rounds, m_computer);
    if (!problem.ok()) {
        Q_EMIT failed(problem);
        return;
    }
    QList<QUuid> ids;
    ids.reserve(rounds.size());
    for (const PracticeRound &round : rounds)
        ids.append(round.id);
    Q_EMIT sent(ids);
}

void ClassRecordWorker::check()
{
    Q_EMIT checked(open());
}

void ClassRecordWorker::readView(const QDateTime &weekStart)
{
    ClassView view;
    ClassProblem problem = open();
    if (problem.ok())
        problem = m_db->readView(weekStart, view);
    if (problem.ok())
        Q_EMIT viewRead(view);
    else
        Q_EMIT failed(problem);
}

void ClassRecordWorker::readRounds()
{
    QList<PracticeRound> rounds;
    ClassProblem problem = open();
    if (problem.ok())
        problem = m_db->readRounds(rounds);
    if (problem.ok())
        Q_EMIT roundsRead(rounds);
    else
        Q_EMIT failed(problem);
}
