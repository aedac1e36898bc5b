#include "record/SqlitePracticeRecord.h"

#include "record/RecordSql.h"
#include "record/RoundWriter.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

using namespace Qt::StringLiterals;
using RecordSql::exec;
using RecordSql::prepare;
using RecordSql::text;
using State = RecordFile::State;

namespace {

constexpr auto MarkRoundSent = R"(UPDATE rounds SET sent = 1 WHERE uuid = ?)"_L1;
constexpr QLatin1StringView RenamePlayer[] = {
    R"(UPDATE rounds SET player = ? WHERE player = ?)"_L1,
    R"(UPDATE list_tallies SET player = ? WHERE player = ?)"_L1,
    R"(UPDATE word_standings SET player = ? WHERE player = ?)"_L1,
    R"(UPDATE review_schedule SET player = ? WHERE player = ?)"_L1,
};

constexpr auto SelectListTallies = R"(
    SELECT list, won, lost, abandoned FROM list_tallies
    WHERE player = ? ORDER BY list)"_L1;
constexpr auto SelectTroubleWords = R"(
    SELECT word, trouble_tries, clean_wins_in_a_row FROM word_standings
    WHERE player = ? AND trouble_tries > 0 ORDER BY word)"_L1;
// Local calendar days as yyyy-MM-dd.
constexpr auto SelectSchedule = R"(
    SELECT word, box, entered_box, moved_up, known FROM review_schedule
    WHERE player = ? ORDER BY word)"_L1;
// Whole rounds, read by RoundColumns.
constexpr auto SelectRounds = R"(
    SELECT played_at, player, list, word, result, misses, wrong_letters,
        uuid, kind, typed, test_started, computer, hinted
    FROM rounds WHERE player = ? AND played_at >= ? ORDER BY played_at, id)"_L1;
constexpr auto SelectUnsentRounds = R"(
    SELECT played_at, player, list, word, result, misses, wrong_letters,
        uuid, kind, typed, test_started, computer, hinted
    FROM rounds WHERE sent = 0 ORDER BY id LIMIT ?)"_L1;
constexpr auto CountUnsentRounds = R"(SELECT count(*) AS waiting FROM rounds WHERE sent = 0)"_L1;
constexpr auto SelectPlayers = R"(SELECT DISTINCT player FROM rounds ORDER BY player)"_L1;

// The columns of a whole round, found by name once for all its rows.
class RoundColumns
{
public:
    explicit RoundColumns(const QSqlRecord &record)
        : m_playedAt(record.indexOf(u"played_at"_s))
        , m_player(record.indexOf(u"player"_s))
        , m_list(record.indexOf(u"list"_s))
        , m_word(record.indexOf(u"word"_s))
        , m_result(record.indexOf(u"result"_s))
        , m_misses(record.indexOf(u"misses"_s))
        , m_wrongLetters(record.indexOf(u"wrong_letters"_s))
        , m_uuid(record.indexOf(u"uuid"_s))
        , m_kind(record.indexOf(u"kind"_s))
        , m_typed(record.indexOf(u"typed"_s))
        , m_testStarted(record.indexOf(u"test_started"_s))
        , m_computer(record.indexOf(u"computer"_s))
        , m_hinted(record.indexOf(u"hinted"_s))
    {
    }

    PracticeRound roundAt(const QSqlQuery &query) const
    {
        PracticeRound round;
        // In UTC: a conversion to local time for each of many rounds would cost more than the
        // read itself; the figures convert their day boundaries instead.
        round.when = QDateTime::fromMSecsSinceEpoch(query.value(m_playedAt).toLongLong(), Qt::UTC);
        round.player = query.value(m_player).toString();
        round.list = query.value(m_list).toString();
        round.word = query.value(m_word).toString();
        round.result = Wordrow::resultFromName(query.value(m_result).toString())
                           .value_or(RoundResult::Abandoned);
        round.misses = query.value(m_misses).toInt();
        round.wrongLetters = query.value(m_wrongLetters).toString();
        round.id = QUuid::fromString(query.value(m_uuid).toString());
        round.kind = RoundKind::fromName(query.value(m_kind).toString());
        round.typed = query.value(m_typed).toString();
        if (!query.isNull(m_testStarted)) {
            round.testStarted
                = QDateTime::fromMSecsSinceEpoch(query.value(m_testStarted).toLongLong(), Qt::UTC);
        }
        round.computer = query.value(m_computer).toString();
        round.hinted = query.value(m_hinted).toInt() != 0;
        return round;
    }

private:
    int m_playedAt, m_player, m_list, m_word, m_result, m_misses, m_wrongLetters, m_uuid, m_kind,
        m_typed, m_testStarted, m_computer, m_hinted;
};

bool readRoundsOf(QSqlQuery &query, QList<PracticeRound> &found)
{
    if (!exec(query))
        return false;
    const RoundColumns columns(query.record());
    while (query.next())
        found.append(columns.roundAt(query));
    return RecordSql::readThrough(query);
}

QDate dayAt(const QSqlQuery &query, int column)
{
    return QDate::fromString(query.value(column).toString(), Qt::ISODate);
}

} // namespace

SqlitePracticeRecord::SqlitePracticeRecord(std::function<QString()> homeDir, MessageBoxes &messages)
    : m_file(std::move(homeDir), messages)
{
}

bool SqlitePracticeRecord::add(const PracticeRound &round)
{
    bool damaged = false;
    if (m_file.open(true) == State::Ready && insert(round, damaged))
        return true;
    if (!damaged)
        return false;
    // Damage deep inside the file shows only when it is written: set it aside and start anew.
    m_file.close();
    return m_file.setAside() && m_file.open(true) == State::Ready && insert(round, damaged);
}

bool SqlitePracticeRecord::insert(const PracticeRound &round, bool &damaged)
{
    const QSqlDatabase db = m_file.database();
    QSqlQuery query(db);
    if (RecordSql::transaction(db, query, [&] { return RoundWriter::add(query, round); }))
        return true;
    damaged = RecordSql::isDamage(query.lastError());
    return false;
}

QList<PracticeRound> SqlitePracticeRecord::rounds(const QString &player)
{
    QList<PracticeRound> found;
    if (m_file.open(false) == State::Ready
        && !readRounds(player, QDateTime::fromMSecsSinceEpoch(0, Qt::UTC), found))
        found.clear();
    return found;
}

bool SqlitePracticeRecord::readRounds(
    const QString &player, const QDateTime &since, QList<PracticeRound> &found)
{
    QSqlQuery query(m_file.database());
    query.setForwardOnly(true);
    if (!prepare(query, SelectRounds))
        return false;
    query.addBindValue(player);
    query.addBindValue(since.toMSecsSinceEpoch());
    return readRoundsOf(query, found);
}

PracticeSummary SqlitePracticeRecord::summary(const QString &player, const QDateTime &since)
{
    PracticeSummary summary;
    const State state = m_file.open(false);
    if (state == State::Missing)
        return summary;
    QSqlQuery query(m_file.database());
    query.setForwardOnly(true);
    if (state == State::Ready && readSummary(query, player, summary)
        && readRounds(player, since, summary.recent))
        return summary;
    // Half a summary would show a player as having less trouble than they have.
    PracticeSummary failed;
    failed.complete = false;
    return failed;
}

bool SqlitePracticeRecord::readSummary(
    QSqlQuery &query, const QString &player, PracticeSummary &summary)
{
    if (!prepare(query, SelectListTallies))
        return false;
    query.addBindValue(player);
    if (!exec(query))
        return false;
    QSqlRecord columns = query.record();
    const int list = columns.indexOf(u"list"_s);
    const int won = columns.indexOf(u"won"_s);
    const int lost = columns.indexOf(u"lost"_s);
    const int abandoned = columns.indexOf(u"abandoned"_s);
    while (query.next()) {
        summary.lists.append({query.value(list).toString(), query.value(won).toInt(),
            query.value(lost).toInt(), query.value(abandoned).toInt()});
    }
    if (!RecordSql::readThrough(query) || !prepare(query, SelectTroubleWords))
        return false;
    query.addBindValue(player);
    if (!exec(query))
        return false;
    columns = query.record();
    const int word = columns.indexOf(u"word"_s);
    const int tries = columns.indexOf(u"trouble_tries"_s);
    const int cleanWins = columns.indexOf(u"clean_wins_in_a_row"_s);
    while (query.next()) {
        summary.troubleWords.append({query.value(word).toString(), query.value(tries).toInt(),
            query.value(cleanWins).toInt()});
    }
    if (!RecordSql::readThrough(query) || !prepare(query, SelectSchedule))
        return false;
    query.addBindValue(player);
    if (!exec(query))
        return false;
    columns = query.record();
    const int scheduled = columns.indexOf(u"word"_s);
    const int box = columns.indexOf(u"box"_s);
    const int entered = columns.indexOf(u"entered_box"_s);
    const int movedUp = columns.indexOf(u"moved_up"_s);
    const int known = columns.indexOf(u"known"_s);
    while (query.next()) {
        summary.schedule.append({query.value(scheduled).toString(), query.value(box).toInt(),
            dayAt(query, entered), dayAt(query, movedUp), dayAt(query, known)});
    }
    return RecordSql::readThrough(query);
}

QStringList SqlitePracticeRecord::players()
{
    QStringList names;
    if (m_file.open(false) != State::Ready)
        return names;
    QSqlQuery query(m_file.database());
    query.setForwardOnly(true);
    if (!exec(query, SelectPlayers))
        return names;
    const int player = query.record().indexOf(u"player"_s);
    while (query.next())
        names.append(query.value(player).toString());
    return RecordSql::readThrough(query) ? names : QStringList();
}

bool SqlitePracticeRecord::renamePlayer(const QString &from, const QString &to)
{
    const State state = m_file.open(false);
    if (state != State::Ready)
        return state == State::Missing;
    const QSqlDatabase db = m_file.database();
    QSqlQuery query(db);
    return RecordSql::transaction(db, query, [&] {
        for (const QLatin1StringView statement : RenamePlayer) {
            if (!prepare(query, statement))
                return false;
            query.addBindValue(text(to));
            query.addBindValue(from);
            if (!exec(query))
                return false;
        }
        return true;
    });
}

QList<PracticeRound> SqlitePracticeRecord::unsentRounds(int limit)
{
    QList<PracticeRound> found;
    if (m_file.open(false) != State::Ready)
        return found;
    QSqlQuery query(m_file.database());
    query.setForwardOnly(true);
    if (!prepare(query, SelectUnsentRounds))
        return found;
    query.addBindValue(limit);
    if (!readRoundsOf(query, found))
        found.clear();
    return found;
}

int SqlitePracticeRecord::unsentCount()
{
    if (m_file.open(false) != State::Ready)
        return 0;
    QSqlQuery query(m_file.database());
    if (!exec(query, CountUnsentRounds) || !query.next())
        return 0;
    return query.value(query.record().indexOf(u"waiting"_s)).toInt();
}

bool SqlitePracticeRecord::markSent(const QList<QUuid> &ids)
{
    if (m_file.open(false) != State::Ready)
        return false;
    const QSqlDatabase db = m_file.database();
    QSqlQuery query(db);
    return RecordSql::transaction(db, query, [&] {
        if (!prepare(query, MarkRoundSent))
            return false;
        for (const QUuid &id : ids) {
            query.addBindValue(id.toString(QUuid::WithoutBraces));
            if (!exec(query))
                return false;
        }
        return true;
    });
}
