#pragma once

#include "core/Sentences.h"
#include "platform/PracticeRecordStore.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

class Clock;
class MessageBoxes;
class RandomSource;
class Speaker;
class SpellingTestView;

// The rules of a spelling test: the game says each word, the child types it whole and presses
// Enter. A wrong answer is marked and copied once before the test goes on; every word missed is
// asked again at the end, once. Each first answer is kept at once as a round of its own kind, so
// a test left in the middle keeps the answers given so far.
class SpellingTest
{
public:
    static constexpr int MaxWords = 20;
    // Room for a long wrong answer beside the longest word a list holds.
    static constexpr int MaxAnswerLength = 30;

    struct Setup
    {
        QString player;
        // The list in play, by its path or name; the record keeps its file name.
        QString list;
        QStringList words;
        // "Practise Trouble Words": the player's due words come first.
        bool practiseDueWords = false;
        // Asked only when the option is on.
        std::function<QStringList()> dueWords;
        // Said between two sayings of their word, as a dictation reads them.
        Sentences sentences{};
    };

    enum class Stage { Asking, Copying, Ended };

    // The clock dates the test and each answer.
    SpellingTest(Setup setup, SpellingTestView &view, Speaker &speaker, RandomSource &random,
        PracticeRecordStore &record, MessageBoxes &messages, const Clock &clock);

    // Chooses the words and says the first; without speech it stops at once.
    void start();
    // Nothing can be heard: the test says why and stops asking, the answers given kept.
    void speechLost(const QString &reason);
    // The word, or with a sentence: word, sentence, word.
    void sayAgain();
    void answer(const QString &typed);

    Stage stage() const { return m_stage; }
    const QStringList &words() const { return m_words; }
    QString currentWord() const;
    int rightFirstTime() const { return m_rightFirstTime; }
    const QStringList &missed() const { return m_missed; }
    QDateTime started() const { return m_started; }
    const QString &player() const { return m_setup.player; }
    // Whether the answer box takes this text: what the game takes (letters in either case, the
    // apostrophe and the hyphen) and any other character of the test's words, such as a space or
    // an accented letter of a hand-made list.
    bool accepts(QStringView text) const;
    // The result on one page, to print.
    QString resultHtml() const;

    // Due words first, then the list's, each group in a random order, never a word twice in any
    // letter case, at most MaxWords.
    static QStringList chooseWords(
        const QStringList &dueWords, const QStringList &listWords, RandomSource &random);

private:
    void ask();
    void next();
    void end();
    void keep(const QString &word, const QString &typed, bool right);
    QString wordNumber() const;

    Setup m_setup;
    SpellingTestView &m_view;
    Speaker &m_speaker;
    RandomSource &m_random;
    PracticeRecordStore &m_record;
    MessageBoxes &m_messages;
    const Clock &m_clock;

    QDateTime m_started;
    QStringList m_words;
    QString m_extraCharacters;
    // The words of this pass: the test's words, then the ones missed.
    QStringList m_pass;
    bool m_askingAgain = false;
    qsizetype m_index = 0;
    Stage m_stage = Stage::Asking;
    int m_rightFirstTime = 0;
    QStringList m_missed;
    // The first answers, in order, for the printed result.
    QStringList m_typed;
    bool m_failureSaid = false;
};
