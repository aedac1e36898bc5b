#include "game/KeyboardGuess.h"
#include "game/GameRound.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(KeyboardGuessTest, TheTextAKeyProducesPicksTheButton)
{
    const GameRound::Letters letters = GameRound::letterSet();
    const struct
    {
        const char *what;
        QString typed;
        Qt::KeyboardModifiers modifiers;
        QString pressed; // empty: no button
    } cases[]{
        {"lower case", u"i"_s, Qt::NoModifier, u"I"_s},
        {"upper case", u"T"_s, Qt::ShiftModifier, u"T"_s},
        {"apostrophe", u"'"_s, Qt::NoModifier, u"'"_s},
        {"hyphen on the keypad", u"-"_s, Qt::KeypadModifier, u"-"_s},
        {"an accented letter from a dead key", u"é"_s, Qt::NoModifier, {}},
        {"a small letter whose capital is no button's", u"ı"_s, Qt::NoModifier, {}},
        {"a digit", u"7"_s, Qt::NoModifier, {}},
        {"two characters at once", u"ab"_s, Qt::NoModifier, {}},
        {"no text", QString(), Qt::NoModifier, {}},
        {"Ctrl", u"i"_s, Qt::ControlModifier, {}},
        {"Alt", u"n"_s, Qt::AltModifier, {}},
        {"Meta", u"i"_s, Qt::MetaModifier, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const int index = KeyboardGuess::letterFor(c.typed, c.modifiers, letters);
        EXPECT_EQ(index < 0 ? QString() : letters.at(index), c.pressed);
    }
}
