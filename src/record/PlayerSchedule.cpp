#include "record/PlayerSchedule.h"

#include <algorithm>

void PlayerSchedule::add(const PracticeRound &round)
{
    add(round, round.when.toLocalTime().date());
}

void PlayerSchedule::add(const PracticeRound &round, QDate day)
{
    const ReviewSchedule::Answer answer = ReviewSchedule::answerOf(round);
    auto found = m_words.find(round.word);
    // Only trouble puts a word on the schedule; a clean or shaky win of any other is nothing.
    if (found == m_words.end()) {
        if (answer != ReviewSchedule::Answer::Trouble)
            return;
        found = m_words.insert(round.word, Word());
        found->word = round.word;
    }
    ReviewSchedule::apply(*found, answer, day);
}

void PlayerSchedule::add(const QList<PracticeSummary::ScheduledWord> &words)
{
    for (const PracticeSummary::ScheduledWord &word : words)
        m_words.insert(word.word, Word{word});
}

QStringList PlayerSchedule::dueWords(QDate today) const
{
    QList<const Word *> due;
    for (const Word &word : m_words) {
        if (word.isDue(today))
            due.append(&word);
    }
    std::sort(due.begin(), due.end(), [](const Word *a, const Word *b) {
        return a->due() != b->due() ? a->due() < b->due() : a->word < b->word;
    });
    QStringList texts;
    for (const Word *word : std::as_const(due))
        texts.append(word->word);
    return texts;
}

QList<PracticeSummary::ScheduledWord> PlayerSchedule::words() const
{
    QList<PracticeSummary::ScheduledWord> found(m_words.cbegin(), m_words.cend());
    std::sort(
        found.begin(), found.end(), [](const auto &a, const auto &b) { return a.word < b.word; });
    return found;
}
