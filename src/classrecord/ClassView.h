#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// The class as the teacher sees it: every player across all the class's computers (one player
// whatever the letter case of the name), the words the class misses most, and how the class
// does on each list published to it.
struct ClassView
{
    struct TroubleWord
    {
        QString word;
        int tries = 0;

        bool operator==(const TroubleWord &) const = default;
    };
    struct Player
    {
        // As last spelled.
        QString name;
        // Played rounds are those won or lost, as in the progress window.
        int playedThisWeek = 0;
        int wonThisWeek = 0;
        int playedInAll = 0;
        int computers = 0;
        // Most troubled first.
        QList<TroubleWord> troubleWords;
    };
    struct Word
    {
        QString word;
        int misses = 0;
        int lost = 0;
        int players = 0;
    };

    struct TestScore
    {
        // As last spelled.
        QString player;
        int right = 0;
        int asked = 0;
    };
    // A published list's rounds: those played from the file every computer keeps it under.
    struct ListFigures
    {
        QString name;
        // Who played a round of it, game or test, whatever the letter case of their names.
        int children = 0;
        // Most misses in its games first, at most MostMissedPerList; only words and misses.
        QList<Word> mostMissed;
        // Each child's first spelling test on it, by name.
        QList<TestScore> firstTests;
    };

    // By name.
    QList<Player> players;
    // Most misses first, at most MostMissed.
    QList<Word> mostMissed;
    // The published lists that were played, by name.
    QList<ListFigures> lists;

    static constexpr int MostMissed = 20;
    static constexpr int MostMissedPerList = 3;
};
Q_DECLARE_METATYPE(ClassView)
