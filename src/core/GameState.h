#pragma once

#include "core/WordList.h"

#include <QString>

#include <array>

// The state that more than one window uses, for the whole run. There is one GameState, created in
// main and handed by reference to whatever needs it; tests build their own.
class GameState
{
public:
    static constexpr int LetterCount = 28;
    static constexpr int SlotCount = 15;

    // The guessable characters; entry i belongs to letter button i.
    static std::array<QString, LetterCount> letterSet();

    qint16 lastWordIndex() const { return qint16(words.size() - 1); }

    // The loaded word list, in file order. Replaced only through the word-list loader, which keeps
    // it at most 32,767 entries so that lastWordIndex() fits its 16 bits.
    WordList words;

    // The round.
    QString word;
    QString lastWord;
    qint16 hits = 0;
    qint16 misses = 0;
    qint16 gallowsPicture = 0;
    std::array<QString, LetterCount> letters;

    // The last remark shown of each kind, kept across rounds.
    QString lastLoseRemark;
    QString lastMissRemark;
    QString lastHitRemark;
    QString lastWinRemark;

    // Sound switches: the menu's switch (this run only) and the answer of the start-up probe.
    bool soundsOff = false;
    bool soundCardFound = false;

    QString homeDir;
    bool hideTitleScreen = false;
};
