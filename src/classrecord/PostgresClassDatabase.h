#pragma once

#include "classrecord/ClassDatabase.h"

#include <QLoggingCategory>

class QSqlDatabase;
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcClass)

class QSqlError;
class QSqlQuery;

// The class database on PostgreSQL through Qt SQL's QPSQL driver, reached by a libpq service name
// alone: host, database, user and the password's file are the school's pg_service.conf and
// .pgpass, so Wordrow keeps no password. The driver's plugin loads with the first open.
class PostgresClassDatabase final : public ClassDatabase
{
public:
    static constexpr int ConnectTimeoutSeconds = 4;
    // A server that takes a connection but then stalls gives up a statement after this long.
    static constexpr int StatementTimeoutMs = 15000;

    PostgresClassDatabase();
    ~PostgresClassDatabase() override;

    // Makes one for each connection's thread.
    static ClassDatabaseFactory factory()
    {
        return [] { return std::unique_ptr<ClassDatabase>(new PostgresClassDatabase); };
    }

    PostgresClassDatabase(const PostgresClassDatabase &) = delete;
    PostgresClassDatabase &operator=(const PostgresClassDatabase &) = delete;

    ClassProblem open(const QString &service) override;
    ClassProblem send(const QList<PracticeRound> &rounds, const QString &computer) override;
    ClassProblem readView(const QDateTime &weekStart, ClassView &view) override;
    ClassProblem readRounds(QList<PracticeRound> &rounds) override;
    ClassProblem readLists(QList<ClassList> &lists) override;
    ClassProblem publishList(const ClassList &list) override;
    ClassProblem withdrawList(const QString &name) override;
    ClassProblem markThisWeek(const QString &name) override;

    // Connects db through the service, with the time-outs above; None once connected.
    static ClassProblem connect(QSqlDatabase &db, const QString &service);

private:
    ClassProblem checkSchema(QSqlDatabase &db);
    ClassProblem readListFigures(QSqlDatabase &db, QList<ClassView::ListFigures> &lists);
    // Gives the open connection; false when there is none to trust.
    bool ready(QSqlDatabase &db) const;
    // Says what went wrong and lets go of the connection: the next call connects afresh.
    ClassProblem lost(const QSqlError &error);
    // The same, the failed statement named in the log.
    ClassProblem lost(const QSqlQuery &query);

    QString m_connection;
    QString m_service;
    bool m_ready = false;
};
