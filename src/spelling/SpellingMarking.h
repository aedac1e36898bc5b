#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The letter-by-letter comparison of a typed answer with its word, without letter case: which of
// the child's letters are right, which are wrong, and where letters are missing. Accents and
// spaces are letters like any other: "cafe" is not "café", "icecream" not "ice cream".
class SpellingMarking
{
public:
    enum class Mark {
        Right,
        // Typed in place of the word's letter, or one letter too many.
        Wrong,
        // The word's letter, not typed.
        Missing,
    };

    struct Cell
    {
        Mark mark = Mark::Right;
        // The child's letter; empty when missing.
        QString typed;
        // The word's letter; empty when one too many.
        QString expected;

        bool operator==(const Cell &) const = default;
    };

    static bool isRight(QStringView typed, QStringView word);
    // The child's letters in order, with a missing cell where a letter of the word is left out:
    // the fewest changes that make the answer the word.
    static QList<Cell> compare(QStringView typed, QStringView word);
    // The marking in words, for a screen reader and for the tooltip.
    static QString description(const QList<Cell> &cells);
    // A character as a sentence names it: a space is "a space".
    static QString spoken(const QString &character);
};
