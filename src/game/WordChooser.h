#pragma once

#include <QString>

#include <optional>

class RandomSource;
class WordList;

// Asked first when a round draws its word: it may choose one itself, or leave the usual draw
// to go on. A word it chooses is never the last round's word.
class WordChooser
{
public:
    virtual ~WordChooser() = default;

    // Called after the random source is reseeded; draws from it as it needs.
    virtual std::optional<QString> chooseWord(
        const WordList &words, const QString &lastWord, RandomSource &random)
        = 0;
};
