#pragma once

#include "classrecord/ClassRecordConnection.h"
#include "platform/ClassListSource.h"

// The lists published to the class, read from the class database through the room's service on
// the class record's worker: never on the interface thread, and given up when the deadline
// passes. Each fetch has a connection of its own, let go once answered: a fetch comes only every
// few minutes, a server restarted meanwhile would have closed a connection kept open, and a
// class of computers would keep as many idle on the server.
class ClassRecordListSource final : public ClassListSource
{
    Q_OBJECT

public:
    ClassRecordListSource(
        ClassDatabaseFactory factory, const QString &service, QObject *parent = nullptr);

    static ClassListSourceFactory factory(ClassDatabaseFactory database);

    void fetch() override;

private:
    void done();

    ClassDatabaseFactory m_factory;
    QString m_service;
    // The fetch under way, if any; a child, so that it goes with the source.
    ClassRecordConnection *m_connection = nullptr;
};
