#include "record/RoundWriter.h"

#include "record/RecordSql.h"
#include "record/ReviewSchedule.h"
#include "record/TroubleWords.h"

#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;
using RecordSql::exec;
using RecordSql::prepare;
using RecordSql::text;
using Result = RoundResult;

namespace {

constexpr auto InsertRound = R"(
    INSERT INTO rounds (played_at, player, list, word, result, misses, wrong_letters,
        uuid, kind, typed, test_started, computer, hinted)
    VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))"_L1;
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
// Local calendar days as yyyy-MM-dd.
constexpr auto StoreScheduledWord = R"(
    INSERT OR REPLACE INTO review_schedule (player, word, box, entered_box, moved_up, known)
    VALUES (?, ?, ?, ?, ?, ?))"_L1;

// A null text binds as NULL: no day.
QString dayValue(QDate day)
{
    return day.isValid() ? day.toString(Qt::ISODate) : QString();
}

QDate dayAt(const QSqlQuery &query, const QString &column)
{
    return QDate::fromString(query.value(column).toString(), Qt::ISODate);
}

QVariant timeOrNull(const QDateTime &when)
{
    return when.isValid() ? QVariant(when.toMSecsSinceEpoch())
                          : QVariant(QMetaType::fromType<qint64>());
}

} // namespace

bool RoundWriter::add(QSqlQuery &query, const PracticeRound &round)
{
    return insert(query, round) && updateTally(query, round) && updateStanding(query, round)
        && updateSchedule(query, round);
}

bool RoundWriter::insert(QSqlQuery &query, const PracticeRound &round)
{
    if (!prepare(query, InsertRound))
        return false;
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
    query.addBindValue(timeOrNull(round.testStarted));
    // Unknown stays NULL, as in the rounds kept before the computer was.
    query.addBindValue(round.computer.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                                : QVariant(round.computer));
    query.addBindValue(round.hinted ? 1 : 0);
    return exec(query);
}

// The tallies and trouble words are the game's: a spelling test counts only for the schedule.
bool RoundWriter::updateTally(QSqlQuery &query, const PracticeRound &round)
{
    if (round.kind != RoundKind::Kind::Game)
        return true;
    if (!prepare(query, AddToListTally))
        return false;
    query.addBindValue(text(round.player));
    query.addBindValue(text(round.list));
    query.addBindValue(round.result == Result::Won ? 1 : 0);
    query.addBindValue(round.result == Result::Lost ? 1 : 0);
    query.addBindValue(round.result == Result::Abandoned ? 1 : 0);
    return exec(query);
}

bool RoundWriter::updateStanding(QSqlQuery &query, const PracticeRound &round)
{
    if (round.kind != RoundKind::Kind::Game || round.result == Result::Abandoned)
        return true;
    PracticeSummary::WordStanding standing{round.word, 0, 0};
    if (!prepare(query, SelectWordStanding))
        return false;
    query.addBindValue(text(round.player));
    query.addBindValue(text(round.word));
    if (!exec(query))
        return false;
    if (query.next()) {
        standing.troubleTries = query.value(u"trouble_tries"_s).toInt();
        standing.cleanWinsInARow = query.value(u"clean_wins_in_a_row"_s).toInt();
    }
    query.finish();
    TroubleWords::apply(standing, round.result, round.misses);
    if (!prepare(query, StoreWordStanding))
        return false;
    query.addBindValue(text(round.player));
    query.addBindValue(text(round.word));
    query.addBindValue(standing.troubleTries);
    query.addBindValue(standing.cleanWinsInARow);
    return exec(query);
}

bool RoundWriter::updateSchedule(QSqlQuery &query, const PracticeRound &round)
{
    const ReviewSchedule::Answer answer = ReviewSchedule::answerOf(round);
    if (answer == ReviewSchedule::Answer::None)
        return true;
    if (!prepare(query, SelectScheduledWord))
        return false;
    query.addBindValue(text(round.player));
    query.addBindValue(text(round.word));
    if (!exec(query))
        return false;
    ReviewSchedule::Word word;
    word.word = round.word;
    const bool found = query.next();
    if (found) {
        word.box = query.value(u"box"_s).toInt();
        word.enteredBox = dayAt(query, u"entered_box"_s);
        word.movedUp = dayAt(query, u"moved_up"_s);
        word.known = dayAt(query, u"known"_s);
    }
    query.finish();
    // Only trouble puts a word on the schedule.
    if (!found && answer != ReviewSchedule::Answer::Trouble)
        return true;
    ReviewSchedule::apply(word, answer, round.when.toLocalTime().date());
    return storeScheduled(query, round.player, word);
}

bool RoundWriter::storeScheduled(
    QSqlQuery &query, const QString &player, const PracticeSummary::ScheduledWord &word)
{
    if (!prepare(query, StoreScheduledWord))
        return false;
    query.addBindValue(text(player));
    query.addBindValue(text(word.word));
    query.addBindValue(word.box);
    query.addBindValue(dayValue(word.enteredBox));
    query.addBindValue(dayValue(word.movedUp));
    query.addBindValue(dayValue(word.known));
    return exec(query);
}
