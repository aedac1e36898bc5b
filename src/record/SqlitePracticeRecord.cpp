#include "record/SqlitePracticeRecord.h"

#include "platform/MessageBoxes.h"
#include "record/TroubleWords.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;
using Result = RoundResult;

namespace {

QAtomicInt connectionCount;

// SQLite's own codes for a file that is damaged or no database at all.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

// A null QString binds as NULL; the record keeps empty text as text.
QString text(const QString &value)
{
    return value.isNull() ? u""_s : value;
}

bool isDamage(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

// The record's statements. The CHECK takes its names from RoundResult (%1).
constexpr auto CreateRounds = R"(
    CREATE TABLE rounds (
        id INTEGER PRIMARY KEY,
        played_at INTEGER NOT NULL, -- milliseconds since 1970-01-01 UTC
        player TEXT NOT NULL,
        list TEXT NOT NULL,
        word TEXT NOT NULL,
        result TEXT NOT NULL CHECK (result IN (%1)),
        misses INTEGER NOT NULL,
        wrong_letters TEXT NOT NULL))"_L1;
constexpr auto CreateRoundsIndex = R"(
    CREATE INDEX rounds_by_player ON rounds (player, played_at))"_L1;
// Kept up to date with each round, so that the progress window need not read them all.
constexpr auto CreateListTallies = R"(
    CREATE TABLE list_tallies (
        player TEXT NOT NULL,
        list TEXT NOT NULL,
        won INTEGER NOT NULL,
        lost INTEGER NOT NULL,
        abandoned INTEGER NOT NULL,
        PRIMARY KEY (player, list)))"_L1;
constexpr auto CreateWordStandings = R"(
    CREATE TABLE word_standings (
        player TEXT NOT NULL,
        word TEXT NOT NULL,
        trouble_tries INTEGER NOT NULL,
        clean_wins_in_a_row INTEGER NOT NULL,
        PRIMARY KEY (player, word)))"_L1;
constexpr auto SetApplicationId = R"(PRAGMA application_id = %1)"_L1;
constexpr auto SetSchemaVersion = R"(PRAGMA user_version = %1)"_L1;
// One statement, so that the three figures come from one moment of the file even while another
// game writes it.
constexpr auto SelectFileState = R"(
    SELECT (SELECT application_id FROM pragma_application_id),
        (SELECT user_version FROM pragma_user_version),
        (SELECT count(*) FROM sqlite_master))"_L1;
constexpr auto UseWriteAheadLog = R"(PRAGMA journal_mode = WAL)"_L1;
constexpr auto SyncNormally = R"(PRAGMA synchronous = NORMAL)"_L1;
// IMMEDIATE takes the write lock at once, so two games wait for each other instead of failing on
// a lock upgrade.
constexpr auto Begin = R"(BEGIN IMMEDIATE)"_L1;
constexpr auto Commit = R"(COMMIT)"_L1;
constexpr auto Rollback = R"(ROLLBACK)"_L1;

constexpr auto InsertRound = R"(
    INSERT INTO rounds (played_at, player, list, word, result, misses, wrong_letters)
    VALUES (?, ?, ?, ?, ?, ?, ?))"_L1;
constexpr auto AddToListTally = R"(
    INSERT INTO list_tallies (player, list, won, lost, abandoned)
    VALUES (?, ?, ?, ?, ?)
    ON CONFLICT (player, list) DO UPDATE SET
        won = won + excluded.won,
        lost = lost + excluded.lost,
        abandoned = abandoned + excluded.abandoned)"_L1;
constexpr auto SelectWordStanding = R"(
    SELECT trouble_tries, clean_wins_in_a_row FROM word_standings
    WHERE player = ? AND word = ?)"_L1;
constexpr auto StoreWordStanding = R"(
    INSERT OR REPLACE INTO word_standings (player, word, trouble_tries, clean_wins_in_a_row)
    VALUES (?, ?, ?, ?))"_L1;

constexpr auto SelectListTallies = R"(
    SELECT list, won, lost, abandoned FROM list_tallies
    WHERE player = ? ORDER BY list)"_L1;
constexpr auto SelectTroubleWords = R"(
    SELECT word, trouble_tries, clean_wins_in_a_row FROM word_standings
    WHERE player = ? AND trouble_tries > 0 ORDER BY word)"_L1;
constexpr auto SelectRounds = R"(
    SELECT played_at, list, word, result, misses, wrong_letters FROM rounds
    WHERE player = ? AND played_at >= ? ORDER BY played_at, id)"_L1;
constexpr auto SelectPlayers = R"(SELECT DISTINCT player FROM rounds ORDER BY player)"_L1;
constexpr QLatin1StringView RenamePlayer[] = {
    R"(UPDATE rounds SET player = ? WHERE player = ?)"_L1,
    R"(UPDATE list_tallies SET player = ? WHERE player = ?)"_L1,
    R"(UPDATE word_standings SET player = ? WHERE player = ?)"_L1,
};

QStringList schema()
{
    QStringList quoted;
    for (const QString &name : Wordrow::resultNames())
        quoted.append(u'\'' + name + u'\'');
    return {QString(CreateRounds).arg(quoted.join(u", "_s)), CreateRoundsIndex,
        CreateListTallies, CreateWordStandings};
}

} // namespace

SqlitePracticeRecord::SqlitePracticeRecord(
    std::function<QString()> homeDir, MessageBoxes &messages)
    : m_homeDir(std::move(homeDir))
    , m_messages(messages)
    , m_connection(u"wordrow-record-"_s + QString::number(connectionCount.fetchAndAddRelaxed(1)))
{
}

SqlitePracticeRecord::~SqlitePracticeRecord()
{
    close();
}

QString SqlitePracticeRecord::path() const
{
    return QDir(m_homeDir()).filePath(FileName.toString());
}

void SqlitePracticeRecord::close()
{
    m_open = false;
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

SqlitePracticeRecord::Open SqlitePracticeRecord::open(bool create)
{
    if (m_open)
        return Open::Ready;
    // Reading never makes the file: only a round kept does.
    if (!create && !QFile::exists(path()))
        return Open::Missing;
    Open result = tryOpen(create);
    if (result == Open::Damaged) {
        close();
        if (!setAside())
            return Open::Failed;
        result = create ? tryOpen(true) : Open::Missing;
    }
    if (result == Open::Ready) {
        // A write-ahead log makes keeping a round one append, without waiting for the disk, and
        // a game killed mid-write still leaves every round before it whole.
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        result = query.exec(UseWriteAheadLog) && query.exec(SyncNormally)
            ? Open::Ready
            : Open::Failed;
    }
    if (result == Open::Ready)
        m_open = true;
    else
        close();
    return result == Open::Damaged ? Open::Failed : result;
}

SqlitePracticeRecord::Open SqlitePracticeRecord::tryOpen(bool create)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    db.setDatabaseName(path());
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(BusyTimeoutMs));
    if (!db.open())
        return Open::Failed;
    return prepare(db, create);
}

SqlitePracticeRecord::Open SqlitePracticeRecord::prepare(QSqlDatabase &db, bool create)
{
    QSqlQuery query(db);
    FileState file;
    if (!readState(query, file))
        return isDamage(query.lastError()) ? Open::Damaged : Open::Failed;

    if (file.isEmpty()) {
        // An empty file, or none yet: the record starts here. Another game may be starting it
        // at the same moment, so look again once the write lock is ours.
        if (!create)
            return Open::Missing;
        if (!query.exec(Begin))
            return Open::Failed;
        if (!readState(query, file)) {
            const bool damaged = isDamage(query.lastError());
            query.exec(Rollback);
            return damaged ? Open::Damaged : Open::Failed;
        }
        bool done = true;
        if (file.isEmpty()) {
            for (const QString &statement : schema())
                done = done && query.exec(statement);
            done = done && query.exec(QString(SetApplicationId).arg(ApplicationId))
                && query.exec(QString(SetSchemaVersion).arg(SchemaVersion));
            file = {ApplicationId, SchemaVersion, 1};
        }
        done = done && query.exec(Commit);
        if (!done) {
            query.exec(Rollback);
            return Open::Failed;
        }
    }
    if (file.applicationId != ApplicationId || file.version < 1)
        return Open::Damaged;
    // A record from a later version is left as it is: this one would not know its tables.
    if (file.version > SchemaVersion)
        return Open::Failed;
    return Open::Ready;
}

bool SqlitePracticeRecord::readState(QSqlQuery &query, FileState &file)
{
    if (!query.exec(SelectFileState) || !query.next())
        return false;
    file = {query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toLongLong()};
    query.finish();
    return true;
}

bool SqlitePracticeRecord::setAside()
{
    const QString original = path();
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
    QString aside = original + u".damaged-"_s + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = original + u".damaged-"_s + stamp + u'-' + QString::number(n);
    if (!QFile::rename(original, aside))
        return false;
    // A journal or log left beside it belongs to the old file: it must not be played into the
    // new one.
    for (const QString &suffix : {u"-journal"_s, u"-wal"_s, u"-shm"_s}) {
        if (QFileInfo::exists(original + suffix))
            QFile::rename(original + suffix, aside + suffix);
    }
    m_messages.inform(u"The practice record "_s + QDir::toNativeSeparators(original)
            + u" could not be read: it is damaged, or it is not a Wordrow record.\n\n"
              u"It has been kept as "_s
            + QFileInfo(aside).fileName() + u", and a new record starts now."_s,
        u"Wordrow"_s, MessageBoxes::Icon::Information);
    return true;
}

bool SqlitePracticeRecord::insert(const PracticeRound &round, bool &damaged)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(Begin)) {
        damaged = isDamage(query.lastError());
        return false;
    }
    query.prepare(InsertRound);
    query.addBindValue(round.when.toMSecsSinceEpoch());
    query.addBindValue(text(round.player));
    query.addBindValue(text(round.list));
    query.addBindValue(text(round.word));
    query.addBindValue(resultName(round.result));
    query.addBindValue(round.misses);
    query.addBindValue(text(round.wrongLetters));
    if (query.exec() && updateSummary(query, round) && query.exec(Commit))
        return true;
    damaged = isDamage(query.lastError());
    QSqlQuery(db).exec(Rollback);
    return false;
}

bool SqlitePracticeRecord::updateSummary(QSqlQuery &query, const PracticeRound &round)
{
    query.prepare(AddToListTally);
    query.addBindValue(text(round.player));
    query.addBindValue(text(round.list));
    query.addBindValue(round.result == Result::Won ? 1 : 0);
    query.addBindValue(round.result == Result::Lost ? 1 : 0);
    query.addBindValue(round.result == Result::Abandoned ? 1 : 0);
    if (!query.exec())
        return false;
    if (round.result == Result::Abandoned)
        return true;

    PracticeSummary::WordStanding standing{round.word, 0, 0};
    query.prepare(SelectWordStanding);
    query.addBindValue(text(round.player));
    query.addBindValue(text(round.word));
    if (!query.exec())
        return false;
    if (query.next())
        standing = {round.word, query.value(0).toInt(), query.value(1).toInt()};
    query.finish();
    TroubleWords::apply(standing, round.result, round.misses);
    query.prepare(StoreWordStanding);
    query.addBindValue(text(round.player));
    query.addBindValue(text(round.word));
    query.addBindValue(standing.troubleTries);
    query.addBindValue(standing.cleanWinsInARow);
    return query.exec();
}

bool SqlitePracticeRecord::add(const PracticeRound &round)
{
    bool damaged = false;
    if (open(true) == Open::Ready && insert(round, damaged))
        return true;
    if (!damaged)
        return false;
    // Damage deep inside the file shows only when it is written: set it aside and start anew.
    close();
    return setAside() && open(true) == Open::Ready && insert(round, damaged);
}

QList<PracticeRound> SqlitePracticeRecord::rounds(const QString &player)
{
    QList<PracticeRound> found;
    if (open(false) == Open::Ready)
        readRounds(player, QDateTime::fromMSecsSinceEpoch(0, Qt::UTC), found);
    return found;
}

PracticeSummary SqlitePracticeRecord::summary(const QString &player, const QDateTime &since)
{
    PracticeSummary summary;
    if (open(false) != Open::Ready)
        return summary;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(SelectListTallies);
    query.addBindValue(player);
    if (query.exec()) {
        while (query.next()) {
            summary.lists.append({query.value(0).toString(), query.value(1).toInt(),
                query.value(2).toInt(), query.value(3).toInt()});
        }
    }
    query.prepare(SelectTroubleWords);
    query.addBindValue(player);
    if (query.exec()) {
        while (query.next()) {
            summary.troubleWords.append(
                {query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt()});
        }
    }
    readRounds(player, since, summary.recent);
    return summary;
}

void SqlitePracticeRecord::readRounds(
    const QString &player, const QDateTime &since, QList<PracticeRound> &found)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(SelectRounds);
    query.addBindValue(player);
    query.addBindValue(since.toMSecsSinceEpoch());
    if (!query.exec())
        return;
    while (query.next()) {
        // In UTC: a conversion to local time for each of many rounds would cost more than the
        // read itself; the figures convert their day boundaries instead.
        found.append({QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::UTC),
            player,
            query.value(1).toString(), query.value(2).toString(),
            Wordrow::resultFromName(query.value(3).toString()).value_or(Result::Abandoned), query.value(4).toInt(),
            query.value(5).toString()});
    }
}

QStringList SqlitePracticeRecord::players()
{
    QStringList names;
    if (open(false) == Open::Ready) {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (query.exec(SelectPlayers)) {
            while (query.next())
                names.append(query.value(0).toString());
        }
    }
    return names;
}

bool SqlitePracticeRecord::renamePlayer(const QString &from, const QString &to)
{
    const Open state = open(false);
    if (state != Open::Ready)
        return state == Open::Missing;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(Begin))
        return false;
    for (const QLatin1StringView statement : RenamePlayer) {
        query.prepare(statement);
        query.addBindValue(text(to));
        query.addBindValue(from);
        if (!query.exec()) {
            query.exec(Rollback);
            return false;
        }
    }
    return query.exec(Commit);
}
