#pragma once

#include "platform/PracticeRecordStore.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <array>

// When a player's trouble words come back: spelling sticks when a word is met again over days,
// not again within one sitting. A troubled word starts in box 1; each clean answer moves it up a
// box, at most once a day, and anything else puts it back in box 1. A box's word is due a set
// number of calendar days after it entered the box; answered cleanly when due in the last box,
// the word is known and leaves the schedule until it is troubled again.
class ReviewSchedule
{
    Q_GADGET

public:
    // What a round or a test answer says of the word.
    enum class Answer {
        // Nothing: a round left for a new word.
        None,
        // Won without a miss, or spelt right the first time in a test, and no hint shown.
        Clean,
        // Won with a miss or two, or right with a hint: not trouble, but not yet known either.
        Shaky,
        // A trouble try (TroubleWords), or spelt wrong in a test.
        Trouble,
    };
    Q_ENUM(Answer)

    static constexpr int BoxCount = 4;
    // Days from entering box 1, 2, 3 and 4 until the word is due again.
    static constexpr std::array<int, BoxCount> DaysInBox{1, 3, 7, 14};

    // One word of one player's schedule, as the record keeps it. Box 0 is out of it: never
    // troubled, or known since.
    struct Word : PracticeSummary::ScheduledWord
    {
        bool isScheduled() const { return box > 0; }
        // Invalid when out of the schedule.
        QDate due() const;
        bool isDue(QDate today) const { return isScheduled() && due() <= today; }

        bool operator==(const Word &) const = default;
    };

    // A game's result, or a spelling-test answer: right the first time is clean, wrong trouble.
    static Answer answerOf(const PracticeRound &round);
    // The one rule: how a word moves with an answer given on a day.
    static void apply(Word &word, Answer answer, QDate day);
};
