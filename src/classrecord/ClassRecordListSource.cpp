#include "classrecord/ClassRecordListSource.h"

ClassRecordListSource::ClassRecordListSource(
    ClassDatabaseFactory factory, const QString &service, QObject *parent)
    : ClassListSource(parent)
    , m_factory(std::move(factory))
    , m_service(service)
{
}

ClassListSourceFactory ClassRecordListSource::factory(ClassDatabaseFactory database)
{
    return [database](const QString &service) -> std::unique_ptr<ClassListSource> {
        return std::make_unique<ClassRecordListSource>(database, service);
    };
}

void ClassRecordListSource::fetch()
{
    if (m_connection)
        return;
    m_connection = new ClassRecordConnection(m_factory, m_service, QString(), this);
    connect(m_connection, &ClassRecordConnection::listsRead, this,
        [this](quint64, const QList<ClassList> &lists) {
            done();
            Q_EMIT fetched(lists);
        });
    connect(m_connection, &ClassRecordConnection::failed, this,
        [this](quint64, const ClassProblem &problem) {
            done();
            Q_EMIT failed(problem.message(m_service));
        });
    m_connection->readLists();
}

// Not deleted in the middle of its own signal.
void ClassRecordListSource::done()
{
    disconnect(m_connection, nullptr, this, nullptr);
    std::exchange(m_connection, nullptr)->deleteLater();
}
