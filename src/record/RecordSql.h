#pragma once

#include <QLoggingCategory>
#include <QString>

#include <functional>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

Q_DECLARE_LOGGING_CATEGORY(lcRecord)

// How the practice record runs its statements: each failure logged under wordrow.record with the
// statement and SQLite's own words, so that a record that stops keeping rounds says why.
namespace RecordSql {

// IMMEDIATE takes the write lock at once, so two games wait for each other instead of failing on
// a lock upgrade.
inline constexpr auto Begin = QLatin1StringView("BEGIN IMMEDIATE");
inline constexpr auto Commit = QLatin1StringView("COMMIT");
inline constexpr auto Rollback = QLatin1StringView("ROLLBACK");

bool exec(QSqlQuery &query, const QString &statement);
bool prepare(QSqlQuery &query, const QString &statement);
// The statement last prepared, with the values bound since.
bool exec(QSqlQuery &query);
// After the last next(): false when the rows stopped on an error rather than at their end.
bool readThrough(const QSqlQuery &query);
// Runs work between BEGIN and COMMIT. Whatever fails, COMMIT included, is rolled back, so that
// the connection is never left inside a transaction; query's lastError() is then the failure.
bool transaction(const QSqlDatabase &db, QSqlQuery &query, const std::function<bool()> &work);
// The file is damaged, or no database at all.
bool isDamage(const QSqlError &error);
// A null QString binds as NULL; the record keeps empty text as text.
QString text(const QString &value);

} // namespace RecordSql
