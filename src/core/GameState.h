#pragma once

#include "core/PictureSet.h"
#include "core/Sentences.h"
#include "core/WordList.h"

#include <QString>

// The state that more than one window uses, for the whole run: the home folder, the words in
// play and the switches. There is one GameState, created in main and handed by reference to
// whatever needs it; tests build their own. A round's own data lives in its GameRound.
class GameState
{
public:
    // Absolute; every file the game keeps is found from here.
    QString homeDir;

    // The loaded word list, in file order.
    WordList words;
    // The sentences that came with it, if any.
    Sentences sentences;

    // Sound switches: the menu's switch (this run only) and the answer of the start-up probe.
    bool soundsOff = false;
    bool soundCardFound = false;

    bool hideTitleScreen = false;

    // The pictures of the round and the title screen, as the preferences choose them.
    PictureSet::Set pictures = PictureSet::Set::Gallows;
};
