#include "record/ReviewSchedule.h"

QDate ReviewSchedule::Word::due() const
{
    if (!isScheduled())
        return {};
    return enteredBox.addDays(DaysInBox.at(box - 1));
}

ReviewSchedule::Answer ReviewSchedule::answerOfGame(bool won, bool lost, int misses)
{
    if (lost || (won && misses >= TroubleMisses))
        return Answer::Trouble;
    if (!won)
        return Answer::None;
    return misses == 0 ? Answer::Clean : Answer::Shaky;
}

ReviewSchedule::Answer ReviewSchedule::answerOf(const PracticeRound &round)
{
    using Result = RoundResult;
    if (round.kind == RoundKind::Kind::SpellingTest)
        return round.result == Result::Won ? Answer::Clean : Answer::Trouble;
    return answerOfGame(round.result == Result::Won, round.result == Result::Lost, round.misses);
}

void ReviewSchedule::apply(Word &word, Answer answer, QDate day)
{
    switch (answer) {
    case Answer::None:
        return;
    case Answer::Trouble:
        word.box = 1;
        word.enteredBox = day;
        word.known = {};
        return;
    case Answer::Shaky:
        // Only a word on the schedule falls back; a shaky win of any other word is no trouble.
        if (word.isScheduled()) {
            word.box = 1;
            word.enteredBox = day;
        }
        return;
    case Answer::Clean:
        break;
    }
    // Five clean wins in one afternoon are one step: the spacing is what teaches.
    if (!word.isScheduled() || word.movedUp == day)
        return;
    if (word.box == BoxCount) {
        if (!word.isDue(day))
            return;
        word.box = 0;
        word.known = day;
    } else {
        ++word.box;
    }
    word.enteredBox = day;
    word.movedUp = day;
}
