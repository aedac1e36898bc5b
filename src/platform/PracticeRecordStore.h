#pragma once

#include "core/RoundKind.h"
#include "core/RoundResult.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

// One round as the practice record keeps it.
struct PracticeRound
{
    QDateTime when;
    QString player;
    // The list's file name, without its folder.
    QString list;
    QString word;
    RoundResult result = RoundResult::Abandoned;
    int misses = 0;
    // The letters guessed wrong, in the order they were guessed.
    QString wrongLetters;
    // Each round's own id, made when the round ends; the class record matches rounds by it, so a
    // round sent twice is stored once.
    QUuid id{};
    RoundKind::Kind kind = RoundKind::Kind::Game;
    // A spelling-test answer: what the child typed the first time; empty for games.
    QString typed{};
    // A spelling-test answer: when its test started, grouping a test's answers; null for games.
    QDateTime testStarted{};
    // The computer the round was played on; empty where not known.
    QString computer{};
    // A hint was shown during the round: a right answer with help is not yet a clean one.
    bool hinted = false;

    bool operator==(const PracticeRound &) const = default;
};

// What the progress window and the review need of one player's record, kept up to date as each
// round is stored so that it costs the same for ten rounds as for a hundred thousand.
struct PracticeSummary
{
    struct ListTally
    {
        QString list;
        int won = 0;
        int lost = 0;
        int abandoned = 0;

        bool operator==(const ListTally &) const = default;
    };
    // How a word stands: trouble tries since it was last won twice in a row without a miss, and
    // the clean wins in a row so far.
    struct WordStanding
    {
        QString word;
        int troubleTries = 0;
        int cleanWinsInARow = 0;

        bool operator==(const WordStanding &) const = default;
    };
    // Where a word stands in the player's review schedule (record/ReviewSchedule has the rule).
    // Box 0 is out of it: known since the day given.
    struct ScheduledWord
    {
        QString word;
        int box = 0;
        // Local calendar days.
        QDate enteredBox{};
        QDate movedUp{};
        QDate known{};

        bool operator==(const ScheduledWord &) const = default;
    };

    // By list name.
    QList<ListTally> lists;
    // Only the words with trouble tries.
    QList<WordStanding> troubleWords;
    // The rounds from a given moment on, oldest first.
    QList<PracticeRound> recent;
    // The words on the review schedule and those known since, by word.
    QList<ScheduledWord> schedule;
    // False when the record could not be read: the summary is then empty, never a part.
    bool complete = true;

    bool operator==(const PracticeSummary &) const = default;
};

// Where the rounds of every player are kept. The program keeps them in a database beside its
// other files; tests keep them in memory.
class PracticeRecordStore
{
public:
    virtual ~PracticeRecordStore() = default;

    // False when the round could not be kept; the round itself goes on regardless.
    virtual bool add(const PracticeRound &round) = 0;
    // The player's rounds, oldest first.
    virtual QList<PracticeRound> rounds(const QString &player) = 0;
    // The player's tallies and trouble words, and the rounds played since the given moment; not
    // complete, and empty, when the record could not be read.
    virtual PracticeSummary summary(const QString &player, const QDateTime &since) = 0;
    // Every player with a round in the record.
    virtual QStringList players() = 0;
    // Gives a player's rounds to a new name; false when they could not be changed.
    virtual bool renamePlayer(const QString &from, const QString &to) = 0;
};
