#pragma once

#include "platform/PracticeRecordStore.h"
#include "record/ReviewSchedule.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One player's review schedule in memory: replayed from rounds, or taken as the record keeps it
// and kept up to date with each round after.
class PlayerSchedule
{
public:
    using Word = ReviewSchedule::Word;

    // Rounds must come oldest first; each counts on its local calendar day.
    void add(const PracticeRound &round);
    // The same on a local day already known.
    void add(const PracticeRound &round, QDate day);
    void add(const QList<PracticeSummary::ScheduledWord> &words);

    // The words due on the day, longest waiting first, then by word.
    QStringList dueWords(QDate today) const;
    // The words on the schedule and those known since, by word.
    QList<PracticeSummary::ScheduledWord> words() const;

private:
    QHash<QString, Word> m_words;
};
