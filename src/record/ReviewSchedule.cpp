#include "record/ReviewSchedule.h"

#include "record/TroubleWords.h"

QDate ReviewSchedule::Word::due() const
{
    if (!isScheduled())
        return {};
    return enteredBox.addDays(DaysInBox.at(box - 1));
}

ReviewSchedule::Answer ReviewSchedule::answerOf(const PracticeRound &round)
{
    using Result = RoundResult;
    Answer answer = Answer::None;
    if (round.kind == RoundKind::Kind::SpellingTest)
        answer = round.result == Result::Won ? Answer::Clean : Answer::Trouble;
    else if (TroubleWords::isTroubleTry(round.result, round.misses))
        answer = Answer::Trouble;
    else if (round.result == Result::Won)
        answer = round.misses == 0 ? Answer::Clean : Answer::Shaky;
    // Right with help shows the word is coming, not that it is known.
    return answer == Answer::Clean && round.hinted ? Answer::Shaky : answer;
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
