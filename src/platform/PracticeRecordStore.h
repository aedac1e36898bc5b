#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// One round as the practice record keeps it.
struct PracticeRound
{
    enum class Result { Won, Lost, Abandoned };

    QDateTime when;
    QString player;
    // The list's file name, without its folder.
    QString list;
    QString word;
    Result result = Result::Abandoned;
    int misses = 0;
    // The letters guessed wrong, in the order they were guessed.
    QString wrongLetters;

    bool operator==(const PracticeRound &) const = default;
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
    // Every player with a round in the record.
    virtual QStringList players() = 0;
    // Gives a player's rounds to a new name; false when they could not be changed.
    virtual bool renamePlayer(const QString &from, const QString &to) = 0;
};
