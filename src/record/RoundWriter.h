#pragma once

#include "platform/PracticeRecordStore.h"

class QSqlQuery;

// Keeps one round in the record with what it changes: the list's tally and the word's standing
// (a game's), and the word's place in the review schedule. The caller holds the transaction.
class RoundWriter
{
public:
    static bool add(QSqlQuery &query, const PracticeRound &round);
    static bool storeScheduled(
        QSqlQuery &query, const QString &player, const PracticeSummary::ScheduledWord &word);

private:
    static bool insert(QSqlQuery &query, const PracticeRound &round);
    static bool updateTally(QSqlQuery &query, const PracticeRound &round);
    static bool updateStanding(QSqlQuery &query, const PracticeRound &round);
    static bool updateSchedule(QSqlQuery &query, const PracticeRound &round);
};
