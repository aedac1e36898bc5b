#include "record/RecordSql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcRecord, "wordrow.record")

namespace {

// SQLite's own codes for a file that is damaged or no database at all.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

bool logged(const QString &statement, const QSqlError &error)
{
    qCWarning(lcRecord).noquote() << "practice record:" << statement.simplified()
                                  << "failed:" << error.text();
    return false;
}

} // namespace

namespace RecordSql {

bool exec(QSqlQuery &query, const QString &statement)
{
    return query.exec(statement) || logged(statement, query.lastError());
}

bool prepare(QSqlQuery &query, const QString &statement)
{
    return query.prepare(statement) || logged(statement, query.lastError());
}

bool exec(QSqlQuery &query)
{
    return query.exec() || logged(query.lastQuery(), query.lastError());
}

bool readThrough(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    return error.type() == QSqlError::NoError || logged(query.lastQuery(), error);
}

bool transaction(const QSqlDatabase &db, QSqlQuery &query, const std::function<bool()> &work)
{
    if (!exec(query, Begin))
        return false;
    if (work() && exec(query, Commit))
        return true;
    // A query of its own, so that the failure stays query's last error. SQLite rolls back by
    // itself after a full disk or an I/O error: this ROLLBACK failing then is no news.
    QSqlQuery rollback(db);
    if (!rollback.exec(Rollback))
        qCDebug(lcRecord) << "practice record: ROLLBACK:" << rollback.lastError().text();
    return false;
}

bool isDamage(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

QString text(const QString &value)
{
    return value.isNull() ? u""_s : value;
}

} // namespace RecordSql
