#include "core/GameState.h"

std::array<QString, GameState::LetterCount> GameState::letterSet()
{
    std::array<QString, LetterCount> letters;
    for (int i = 0; i < 26; ++i)
        letters[i] = QChar(char16_t(u'A' + i));
    letters[26] = QChar(u'\'');
    letters[27] = QChar(u'-');
    return letters;
}
