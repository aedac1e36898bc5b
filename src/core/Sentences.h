#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

// A sentence for each word of a list that has one, so that a dictation can tell "there" from
// "their". Words are matched without regard to letter case: lists keep their words in capitals.
class Sentences
{
public:
    // Long enough for any sentence a child reads; a paragraph is no longer a hint.
    static constexpr int MaxLength = 250;

    enum class Check { Fine, Empty, TooLong, ControlCharacter, LacksWord };

    // Whether the sentence may be kept for the word. LacksWord is only a warning: the sentence is
    // kept, but it tells nothing apart unless it holds its word.
    static Check check(QStringView word, QStringView sentence);
    static bool isKeepable(Check check)
    {
        return check == Check::Fine || check == Check::LacksWord;
    }
    // The sentence with each standing of the word blanked: "Put it over _____."
    static QString blanked(QStringView word, QStringView sentence);
    // Whether the word stands in the sentence as a word of its own, in any letter case.
    static bool contains(QStringView sentence, QStringView word);

    bool isEmpty() const { return m_sentences.isEmpty(); }
    qsizetype size() const { return m_sentences.size(); }
    // Empty when the word has none.
    QString of(QStringView word) const;
    // An empty sentence removes the word's; one that cannot be kept is refused.
    bool set(QStringView word, const QString &sentence);
    // Each word with its sentence, the word as given to set().
    QList<std::pair<QString, QString>> entries() const;

    bool operator==(const Sentences &other) const { return m_sentences == other.m_sentences; }

private:
    static QString key(QStringView word) { return word.toString().toCaseFolded(); }

    struct Entry
    {
        QString word;
        QString sentence;

        bool operator==(const Entry &) const = default;
    };
    QHash<QString, Entry> m_sentences;
};
