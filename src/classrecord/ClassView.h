#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// The class as the teacher sees it: every player across all the class's computers (one player
// whatever the letter case of the name), and the words the class misses most.
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

    // By name.
    QList<Player> players;
    // Most misses first, at most MostMissed.
    QList<Word> mostMissed;

    static constexpr int MostMissed = 20;
};
Q_DECLARE_METATYPE(ClassView)
