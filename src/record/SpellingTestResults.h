#pragma once

#include "platform/PracticeRecordStore.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The spelling tests among a player's rounds: their answers grouped by when the test started.
class SpellingTestResults
{
public:
    struct Test
    {
        QDateTime started;
        // The list of the test's first answer.
        QString list;
        int asked = 0;
        int right = 0;
        // Wrong the first time, in the order asked.
        QStringList missed;

        bool operator==(const Test &) const = default;
    };

    // Oldest first; rounds of other kinds are passed over.
    static QList<Test> of(const QList<PracticeRound> &rounds);
    // "17 of 20 right the first time".
    static QString scoreText(int right, int asked);
};
