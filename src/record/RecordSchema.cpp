#include "record/RecordSchema.h"

#include "record/PlayerSchedule.h"
#include "record/RecordSql.h"
#include "record/RoundWriter.h"

#include <QHash>
#include <QMetaEnum>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

using namespace Qt::StringLiterals;
using RecordSql::exec;

namespace {

// One statement, so that the three figures come from one moment of the file even while another
// game writes it.
constexpr auto SelectFileState = R"(
    SELECT (SELECT application_id FROM pragma_application_id) AS application_id,
        (SELECT user_version FROM pragma_user_version) AS version,
        (SELECT count(*) FROM sqlite_master) AS objects)"_L1;
constexpr auto SetApplicationId = R"(PRAGMA application_id = %1)"_L1;
constexpr auto SetSchemaVersion = R"(PRAGMA user_version = %1)"_L1;

// Version 1. A %1 in a CHECK takes its names from the enum.
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

// Version 2: the columns, then the rounds' ids, then what needs the ids.
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
// The rounds the schedule is worked out from, in order of time.
constexpr auto SelectRoundsInOrder = R"(
    SELECT played_at, player, word, result, misses FROM rounds
    ORDER BY played_at, id)"_L1;

// Version 3: NULL where the computer is not known, as for every round before.
constexpr auto AddRoundComputer = R"(ALTER TABLE rounds ADD COLUMN computer TEXT)"_L1;
constexpr auto AddRoundHinted = R"(
    ALTER TABLE rounds ADD COLUMN hinted INTEGER NOT NULL DEFAULT 0 CHECK (hinted IN (0, 1)))"_L1;

// Names as an SQL list of quoted texts, for a CHECK; an enum's names need no escaping.
QString quoted(const QStringList &names)
{
    QStringList items;
    for (const QString &name : names)
        items.append(u'\'' + name + u'\'');
    return items.join(u", "_s);
}

QStringList kindNames()
{
    const QMetaEnum kinds = QMetaEnum::fromType<RoundKind::Kind>();
    QStringList names;
    for (int i = 0; i < kinds.keyCount(); ++i)
        names.append(RoundKind::name(RoundKind::Kind(kinds.value(i))));
    return names;
}

bool execAll(QSqlQuery &query, const QStringList &statements)
{
    for (const QString &statement : statements) {
        if (!exec(query, statement))
            return false;
    }
    return true;
}

// The schedule as it would stand had it been kept from the first round.
bool replaySchedule(QSqlQuery &query)
{
    if (!exec(query, SelectRoundsInOrder))
        return false;
    const QSqlRecord columns = query.record();
    const int playedAt = columns.indexOf(u"played_at"_s);
    const int player = columns.indexOf(u"player"_s);
    const int word = columns.indexOf(u"word"_s);
    const int result = columns.indexOf(u"result"_s);
    const int misses = columns.indexOf(u"misses"_s);
    QHash<QString, PlayerSchedule> schedules;
    // The rounds come in order of time: a local day is worked out once, not once a round.
    QDate day;
    qint64 dayStart = 0;
    qint64 dayEnd = 0;
    PracticeRound round;
    while (query.next()) {
        const qint64 ms = query.value(playedAt).toLongLong();
        if (ms < dayStart || ms >= dayEnd) {
            day = QDateTime::fromMSecsSinceEpoch(ms).date();
            dayStart = day.startOfDay().toMSecsSinceEpoch();
            dayEnd = day.addDays(1).startOfDay().toMSecsSinceEpoch();
        }
        round.word = query.value(word).toString();
        round.result = Wordrow::resultFromName(query.value(result).toString())
                           .value_or(RoundResult::Abandoned);
        round.misses = query.value(misses).toInt();
        schedules[query.value(player).toString()].add(round, day);
    }
    if (!RecordSql::readThrough(query))
        return false;
    for (auto schedule = schedules.cbegin(); schedule != schedules.cend(); ++schedule) {
        for (const PracticeSummary::ScheduledWord &scheduled : schedule->words()) {
            if (!RoundWriter::storeScheduled(query, schedule.key(), scheduled))
                return false;
        }
    }
    return true;
}

} // namespace

RecordSchema::Outcome RecordSchema::bringUpToDate(QSqlDatabase &db, bool create)
{
    QSqlQuery query(db);
    FileState file;
    if (!readState(query, file))
        return RecordSql::isDamage(query.lastError()) ? Outcome::Damaged : Outcome::Failed;
    if (file.isEmpty() && !create)
        return Outcome::Missing;
    if (!file.isEmpty() && (file.applicationId != ApplicationId || file.version < 1))
        return Outcome::Damaged;
    // A record from a later version is left as it is: this one would not know its tables.
    if (file.version > Version)
        return Outcome::Failed;
    for (int version = int(file.version) + 1; version <= Version; ++version) {
        const Outcome outcome = takeStep(db, version);
        if (outcome == Outcome::UpgradeFailed && file.isEmpty())
            return Outcome::Failed;
        if (outcome != Outcome::Ready)
            return outcome;
    }
    return Outcome::Ready;
}

RecordSchema::Outcome RecordSchema::takeStep(QSqlDatabase &db, int version)
{
    using Step = bool (*)(QSqlQuery &);
    static constexpr Step Steps[] = {&createTables, &addReviewAndClassColumns, &addComputerAndHint};
    static_assert(std::size(Steps) == Version);

    QSqlQuery query(db);
    Outcome found = Outcome::Ready;
    const bool done = RecordSql::transaction(db, query, [&] {
        FileState file;
        if (!readState(query, file))
            return false;
        // Another game may have taken this step while this one waited for the lock.
        if (!file.isEmpty() && (file.applicationId != ApplicationId || file.version < 1))
            found = Outcome::Damaged;
        else if (file.version > Version || file.version < version - 1)
            found = Outcome::Failed;
        if (found != Outcome::Ready)
            return false;
        return file.version >= version
            || (Steps[version - 1](query) && exec(query, QString(SetSchemaVersion).arg(version)));
    });
    if (done || found != Outcome::Ready)
        return found;
    if (RecordSql::isDamage(query.lastError()))
        return Outcome::Damaged;
    return Outcome::UpgradeFailed;
}

bool RecordSchema::readState(QSqlQuery &query, FileState &file)
{
    if (!exec(query, SelectFileState))
        return false;
    if (!query.next())
        return false;
    file = {query.value(u"application_id"_s).toLongLong(), query.value(u"version"_s).toLongLong(),
        query.value(u"objects"_s).toLongLong()};
    query.finish();
    return true;
}

bool RecordSchema::createTables(QSqlQuery &query)
{
    return execAll(query,
        {QString(CreateRounds).arg(quoted(Wordrow::resultNames())), CreateRoundsIndex,
            CreateListTallies, CreateWordStandings, QString(SetApplicationId).arg(ApplicationId)});
}

bool RecordSchema::addReviewAndClassColumns(QSqlQuery &query)
{
    return execAll(query,
               {AddRoundUuid, QString(AddRoundKind).arg(quoted(kindNames())), AddRoundTyped,
                   AddRoundTestStarted, AddRoundSent, FillRoundUuids, CreateRoundsUuidIndex,
                   CreateUnsentIndex, CreateReviewSchedule})
        && replaySchedule(query);
}

bool RecordSchema::addComputerAndHint(QSqlQuery &query)
{
    return execAll(query, {AddRoundComputer, AddRoundHinted});
}
