#include "game/WordCheck.h"

#include "game/GameRound.h"

#include <algorithm>

using namespace Qt::StringLiterals;

std::optional<QString> WordCheck::accepted(const QString &typed)
{
    // Word processors curl the apostrophe by themselves; the teacher sees an apostrophe, and the
    // game has a button for it. (Byte 0x92 of a Windows-1252 file arrives decoded as U+2019.)
    QString text = typed;
    for (const QChar curled : {QChar(0x2019), QChar(0x2018), QChar(0x02BC)})
        text.replace(curled, u'\'');
    // Checked after upper-casing, which can lengthen the text ("ß" becomes "SS"): the entry must
    // be a word the list loader keeps.
    const QString upper = text.toUpper();
    if (upper.isEmpty() || upper.size() > MaxWordLength)
        return std::nullopt;
    const auto letters = GameRound::letterSet();
    const bool allLetters = std::all_of(upper.cbegin(), upper.cend(), [&letters](QChar c) {
        return std::any_of(
            letters.cbegin(), letters.cend(), [c](const QString &letter) { return letter == c; });
    });
    return allLetters ? std::optional(upper) : std::nullopt;
}

QString WordCheck::problem(const QString &word)
{
    if (word.toUpper().size() > MaxWordLength)
        return u"is longer than %1 characters."_s.arg(MaxWordLength);
    if (!accepted(word))
        return u"may contain only letters, apostrophes (') and hyphens (-)."_s;
    return {};
}
