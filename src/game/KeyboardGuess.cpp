#include "game/KeyboardGuess.h"

int KeyboardGuess::letterFor(
    QStringView typed, Qt::KeyboardModifiers modifiers, std::span<const QString> letters)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;
    if (typed.size() != 1)
        return -1;
    QChar character = typed[0];
    // Only a to z pair with the buttons' capitals: the upper case of other small letters (the
    // dotless i, say) would press a button the key does not show.
    if (character >= u'a' && character <= u'z')
        character = QChar(character.unicode() - u'a' + u'A');
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i] == character)
            return int(i);
    }
    return -1;
}
