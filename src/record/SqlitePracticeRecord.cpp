#include "record/SqlitePracticeRecord.h"

#include "platform/MessageBoxes.h"
#include "record/PlayerSchedule.h"
#include "record/TroubleWords.h"

#include <QAtomicInt>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMetaEnum>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <QtEndian>

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

Result resultFrom(const QString &name)
{
    return Wordrow::resultFromName(name).value_or(Result::Abandoned);
}

// The record's statements, each naming its columns, so that a column added later breaks none of
// them. A %1 in a CHECK takes its names from the enum (see schema() and upgradeColumns()).

// The connection and its transactions.
// A write-ahead log makes keeping a round one append, without waiting for the disk, and a game
// killed mid-write still leaves every round before it whole.
constexpr auto UseWriteAheadLog = R"(PRAGMA journal_mode = WAL)"_L1;
constexpr auto SyncNormally = R"(PRAGMA synchronous = NORMAL)"_L1;
// IMMEDIATE takes the write lock at once, so two games wait for each other instead of failing on
// a lock upgrade.
constexpr auto Begin = R"(BEGIN IMMEDIATE)"_L1;
constexpr auto Commit = R"(COMMIT)"_L1;
constexpr auto Rollback = R"(ROLLBACK)"_L1;

// The schema of version 1, which every record starts from.
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

// From version 1 to 2, for a version 1 file and a new one alike, so that both end the same: the
// columns, then the rounds' ids, then what needs the ids.
constexpr auto AddRoundUuid = R"(ALTER TABLE rounds ADD COLUMN uuid TEXT)"_L1;
constexpr auto AddRoundKind = R"(
    ALTER TABLE rounds ADD COLUMN kind TEXT NOT NULL DEFAULT 'game' CHECK (kind IN (%1)))"_L1;
constexpr auto AddRoundTyped = R"(
    ALTER TABLE rounds ADD COLUMN typed TEXT NOT NULL DEFAULT '')"_L1;
// Milliseconds since 1970-01-01 UTC.
constexpr auto AddRoundTestStarted = R"(
    ALTER TABLE rounds ADD COLUMN test_started INTEGER)"_L1;
// Sent to the class record.
constexpr auto AddRoundSent = R"(
    ALTER TABLE rounds ADD COLUMN sent INTEGER NOT NULL DEFAULT 0)"_L1;
// Rounds of the earlier version get ids of their own, as they would have when played: random
// (version 4) ids made in one statement, since one update a round would take seconds.
constexpr auto FillRoundUuids = R"(
    UPDATE rounds SET uuid = lower(printf('%s-%s-4%s-%s%s-%s',
        hex(randomblob(4)), hex(randomblob(2)), substr(hex(randomblob(2)), 2),
        substr('89ab', 1 + abs(random() % 4), 1), substr(hex(randomblob(2)), 2),
        hex(randomblob(6)))))"_L1;
constexpr auto CreateRoundsUuidIndex = R"(
    CREATE UNIQUE INDEX rounds_by_uuid ON rounds (uuid))"_L1;
// Small however long the record: only the rounds still to send.
constexpr auto CreateUnsentIndex = R"(
    CREATE INDEX rounds_unsent ON rounds (id) WHERE sent = 0)"_L1;
// Local calendar days as yyyy-MM-dd.
constexpr auto CreateReviewSchedule = R"(
    CREATE TABLE review_schedule (
        player TEXT NOT NULL,
        word TEXT NOT NULL,
        box INTEGER NOT NULL,
        entered_box TEXT,
        moved_up TEXT,
        known TEXT,
        PRIMARY KEY (player, word)))"_L1;
constexpr QLatin1StringView UpgradeTables[]
    = {CreateRoundsUuidIndex, CreateUnsentIndex, CreateReviewSchedule};
// The rounds the schedule is worked out from, in order of time.
constexpr auto SelectRoundsInOrder = R"(
    SELECT played_at, player, word, result, misses FROM rounds
    ORDER BY played_at, id)"_L1;

// Writes.
constexpr auto InsertRound = R"(
    INSERT INTO rounds (played_at, player, list, word, result, misses, wrong_letters,
        uuid, kind, typed, test_started)
    VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))"_L1;
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
constexpr auto SelectScheduledWord = R"(
    SELECT box, entered_box, moved_up, known FROM review_schedule
    WHERE player = ? AND word = ?)"_L1;
constexpr auto StoreScheduledWord = R"(
    INSERT OR REPLACE INTO review_schedule (player, word, box, entered_box, moved_up, known)
    VALUES (?, ?, ?, ?, ?, ?))"_L1;
constexpr auto MarkRoundSent = R"(UPDATE rounds SET sent = 1 WHERE uuid = ?)"_L1;
constexpr QLatin1StringView RenamePlayer[] = {
    R"(UPDATE rounds SET player = ? WHERE player = ?)"_L1,
    R"(UPDATE list_tallies SET player = ? WHERE player = ?)"_L1,
    R"(UPDATE word_standings SET player = ? WHERE player = ?)"_L1,
    R"(UPDATE review_schedule SET player = ? WHERE player = ?)"_L1,
};

// Reads. Whole rounds are read with their columns in the order roundAt() takes them.
constexpr auto SelectListTallies = R"(
    SELECT list, won, lost, abandoned FROM list_tallies
    WHERE player = ? ORDER BY list)"_L1;
constexpr auto SelectTroubleWords = R"(
    SELECT word, trouble_tries, clean_wins_in_a_row FROM word_standings
    WHERE player = ? AND trouble_tries > 0 ORDER BY word)"_L1;
constexpr auto SelectSchedule = R"(
    SELECT word, box, entered_box, moved_up, known FROM review_schedule
    WHERE player = ? ORDER BY word)"_L1;
constexpr auto SelectRounds = R"(
    SELECT played_at, player, list, word, result, misses, wrong_letters,
        uuid, kind, typed, test_started
    FROM rounds WHERE player = ? AND played_at >= ? ORDER BY played_at, id)"_L1;
constexpr auto SelectUnsentRounds = R"(
    SELECT played_at, player, list, word, result, misses, wrong_letters,
        uuid, kind, typed, test_started
    FROM rounds WHERE sent = 0 ORDER BY id LIMIT ?)"_L1;
constexpr auto CountUnsentRounds = R"(SELECT count(*) AS waiting FROM rounds WHERE sent = 0)"_L1;
constexpr auto SelectPlayers = R"(SELECT DISTINCT player FROM rounds ORDER BY player)"_L1;

// Names as an SQL list of quoted texts, for a CHECK; an enum's names need no escaping.
QString quoted(const QStringList &names)
{
    QStringList items;
    for (const QString &name : names)
        items.append(u'\'' + name + u'\'');
    return items.join(u", "_s);
}

QStringList schema()
{
    return {QString(CreateRounds).arg(quoted(Wordrow::resultNames())), CreateRoundsIndex,
        CreateListTallies, CreateWordStandings};
}

QStringList upgradeColumns()
{
    const QMetaEnum kinds = QMetaEnum::fromType<RoundKind::Kind>();
    QStringList kindNames;
    for (int i = 0; i < kinds.keyCount(); ++i)
        kindNames.append(RoundKind::name(RoundKind::Kind(kinds.value(i))));
    return {AddRoundUuid, QString(AddRoundKind).arg(quoted(kindNames)), AddRoundTyped,
        AddRoundTestStarted, AddRoundSent};
}

// A null text binds as NULL: no day.
QString dayValue(QDate day)
{
    return day.isValid() ? day.toString(Qt::ISODate) : QString();
}

QDate dayFrom(const QVariant &value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}

bool writeScheduled(
    QSqlQuery &query, const QString &player, const PracticeSummary::ScheduledWord &word)
{
    query.prepare(StoreScheduledWord);
    query.addBindValue(text(player));
    query.addBindValue(text(word.word));
    query.addBindValue(word.box);
    query.addBindValue(dayValue(word.enteredBox));
    query.addBindValue(dayValue(word.movedUp));
    query.addBindValue(dayValue(word.known));
    return query.exec();
}

PracticeRound roundAt(const QSqlQuery &query)
{
    PracticeRound round;
    // In UTC: a conversion to local time for each of many rounds would cost more than the read
    // itself; the figures convert their day boundaries instead.
    round.when = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::UTC);
    round.player = query.value(1).toString();
    round.list = query.value(2).toString();
    round.word = query.value(3).toString();
    round.result = resultFrom(query.value(4).toString());
    round.misses = query.value(5).toInt();
    round.wrongLetters = query.value(6).toString();
    round.id = QUuid::fromString(query.value(7).toString());
    round.kind = RoundKind::fromName(query.value(8).toString());
    round.typed = query.value(9).toString();
    if (!query.isNull(10))
        round.testStarted = QDateTime::fromMSecsSinceEpoch(query.value(10).toLongLong(), Qt::UTC);
    return round;
}

} // namespace

SqlitePracticeRecord::SqlitePracticeRecord(std::function<QString()> homeDir, MessageBoxes &messages)
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
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        result
            = query.exec(UseWriteAheadLog) && query.exec(SyncNormally) ? Open::Ready : Open::Failed;
    }
    if (result == Open::Ready)
        m_open = true;
    else
        close();
    if (result == Open::Failed && isEarlierVersion())
        sayUpgradeFailed();
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
                && upgrade(query);
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
    if (file.version < SchemaVersion)
        return migrate(db);
    return Open::Ready;
}

// All in one transaction: a disk that fills or cannot be written leaves the old file whole, and
// the next open tries again.
SqlitePracticeRecord::Open SqlitePracticeRecord::migrate(QSqlDatabase &db)
{
    QSqlQuery query(db);
    FileState file;
    bool done = query.exec(Begin) && readState(query, file);
    // Another game may have brought it up to date while this one waited for the lock.
    if (done && file.version < SchemaVersion)
        done = upgrade(query);
    done = done && query.exec(Commit);
    if (done)
        return Open::Ready;
    const QSqlError error = query.lastError();
    QSqlQuery(db).exec(Rollback);
    if (isDamage(error))
        return Open::Damaged;
    sayUpgradeFailed();
    return Open::Failed;
}

void SqlitePracticeRecord::sayUpgradeFailed()
{
    if (m_upgradeFailureSaid)
        return;
    m_upgradeFailureSaid = true;
    m_messages.inform(u"The practice record "_s + QDir::toNativeSeparators(path())
            + u" could not be brought up to date for this version of Wordrow: the disk may be "
              u"full, or the game's folder cannot be written.\n\n"
              u"The record is kept as it was. Wordrow tries again with each round; until then "
              u"no rounds are kept."_s,
        u"Wordrow"_s, MessageBoxes::Icon::Information);
}

// A disk that is full or read-only may not even let SQLite open the file; its header still says
// whether it is an earlier record of ours, waiting for its upgrade.
bool SqlitePracticeRecord::isEarlierVersion() const
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return false;
    const auto number
        = [&header](int at) { return qFromBigEndian<qint32>(header.constData() + at); };
    return number(68) == ApplicationId && number(60) >= 1 && number(60) < SchemaVersion;
}

bool SqlitePracticeRecord::upgrade(QSqlQuery &query)
{
    for (const QString &statement : upgradeColumns()) {
        if (!query.exec(statement))
            return false;
    }
    if (!query.exec(FillRoundUuids))
        return false;
    for (const QLatin1StringView statement : UpgradeTables) {
        if (!query.exec(statement))
            return false;
    }

    // The schedule as it would stand had it been kept from the first round.
    QHash<QString, PlayerSchedule> schedules;
    if (!query.exec(SelectRoundsInOrder))
        return false;
    // The rounds come in order of time: a local day is worked out once, not once a round.
    QDate day;
    qint64 dayStart = 0;
    qint64 dayEnd = 0;
    PracticeRound round;
    while (query.next()) {
        const qint64 ms = query.value(0).toLongLong();
        if (ms < dayStart || ms >= dayEnd) {
            day = QDateTime::fromMSecsSinceEpoch(ms).date();
            dayStart = day.startOfDay().toMSecsSinceEpoch();
            dayEnd = day.addDays(1).startOfDay().toMSecsSinceEpoch();
        }
        round.word = query.value(2).toString();
        round.result = resultFrom(query.value(3).toString());
        round.misses = query.value(4).toInt();
        schedules[query.value(1).toString()].add(round, day);
    }
    for (auto player = schedules.cbegin(); player != schedules.cend(); ++player) {
        for (const PracticeSummary::ScheduledWord &word : player->words()) {
            if (!writeScheduled(query, player.key(), word))
                return false;
        }
    }
    return query.exec(QString(SetSchemaVersion).arg(SchemaVersion));
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
    query.addBindValue(Wordrow::resultName(round.result));
    query.addBindValue(round.misses);
    query.addBindValue(text(round.wrongLetters));
    // A round made without an id still gets one: the class record needs it.
    query.addBindValue(
        (round.id.isNull() ? QUuid::createUuid() : round.id).toString(QUuid::WithoutBraces));
    query.addBindValue(RoundKind::name(round.kind));
    query.addBindValue(text(round.typed));
    query.addBindValue(round.testStarted.isValid() ? QVariant(round.testStarted.toMSecsSinceEpoch())
                                                   : QVariant(QMetaType::fromType<qint64>()));
    if (query.exec() && updateSummary(query, round) && updateSchedule(query, round)
        && query.exec(Commit))
        return true;
    damaged = isDamage(query.lastError());
    QSqlQuery(db).exec(Rollback);
    return false;
}

bool SqlitePracticeRecord::updateSummary(QSqlQuery &query, const PracticeRound &round)
{
    // The tallies and trouble words are the game's: a spelling test counts only for the schedule.
    if (round.kind != RoundKind::Kind::Game)
        return true;
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

bool SqlitePracticeRecord::updateSchedule(QSqlQuery &query, const PracticeRound &round)
{
    const ReviewSchedule::Answer answer = ReviewSchedule::answerOf(round);
    if (answer == ReviewSchedule::Answer::None)
        return true;
    query.prepare(SelectScheduledWord);
    query.addBindValue(text(round.player));
    query.addBindValue(text(round.word));
    if (!query.exec())
        return false;
    ReviewSchedule::Word word;
    word.word = round.word;
    const bool found = query.next();
    if (found) {
        word.box = query.value(0).toInt();
        word.enteredBox = dayFrom(query.value(1));
        word.movedUp = dayFrom(query.value(2));
        word.known = dayFrom(query.value(3));
    }
    query.finish();
    // Only trouble puts a word on the schedule.
    if (!found && answer != ReviewSchedule::Answer::Trouble)
        return true;
    ReviewSchedule::apply(word, answer, round.when.toLocalTime().date());
    return writeScheduled(query, round.player, word);
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
    query.prepare(SelectSchedule);
    query.addBindValue(player);
    if (query.exec()) {
        while (query.next()) {
            summary.schedule.append({query.value(0).toString(), query.value(1).toInt(),
                dayFrom(query.value(2)), dayFrom(query.value(3)), dayFrom(query.value(4))});
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
    while (query.next())
        found.append(roundAt(query));
}

QList<PracticeRound> SqlitePracticeRecord::unsentRounds(int limit)
{
    QList<PracticeRound> found;
    if (open(false) != Open::Ready)
        return found;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(SelectUnsentRounds);
    query.addBindValue(limit);
    if (query.exec()) {
        while (query.next())
            found.append(roundAt(query));
    }
    return found;
}

int SqlitePracticeRecord::unsentCount()
{
    if (open(false) != Open::Ready)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    return query.exec(CountUnsentRounds) && query.next() ? query.value(0).toInt() : 0;
}

bool SqlitePracticeRecord::markSent(const QList<QUuid> &ids)
{
    if (open(false) != Open::Ready)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(Begin))
        return false;
    query.prepare(MarkRoundSent);
    for (const QUuid &id : ids) {
        query.addBindValue(id.toString(QUuid::WithoutBraces));
        if (!query.exec()) {
            QSqlQuery(db).exec(Rollback);
            return false;
        }
    }
    return query.exec(Commit);
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
