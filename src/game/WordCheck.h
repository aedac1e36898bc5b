#pragma once

#include <QString>

#include <optional>

// Whether a word can go in a list the game plays: the check of a typed word, of an imported or
// pasted one, and of a word a teacher publishes to the class.
class WordCheck
{
public:
    static constexpr int MaxWordLength = 15;

    // The word as an entry: upper case, 1 to 15 characters of the guessable set.
    static std::optional<QString> accepted(const QString &typed);
    // Why the word cannot be an entry, in the words of the import's report ("is longer than 15
    // characters."); empty when it can.
    static QString problem(const QString &word);
};
