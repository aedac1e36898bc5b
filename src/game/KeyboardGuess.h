#pragma once

#include <QString>
#include <QStringView>
#include <Qt>

#include <span>

// Which letter button a key typed in the main window presses. It goes by the text the key
// produces, not by its key code, so that every keyboard layout types the same letters.
class KeyboardGuess
{
public:
    // The index in letters of the button the key presses, or -1 when it presses none: a key held
    // with Ctrl, Alt or Meta belongs to the menus and shortcuts, and a character outside the
    // letters (an accented letter from a dead key, a digit) guesses nothing.
    static int letterFor(
        QStringView typed, Qt::KeyboardModifiers modifiers, std::span<const QString> letters);
};
