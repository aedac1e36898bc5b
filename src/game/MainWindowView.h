#pragma once

#include "game/GameView.h"

#include <QString>

// What start-up and the File menu ask of the main window, beyond what a round asks of it. The
// menu items they decide are their own (MenuCaptions, SpeechCoach, PracticeCommands).
class MainWindowView : public GameView
{
public:
    virtual void setLetterText(int index, const QString &caption) = 0;

    // Start-up hands over to the title screen while it goes on loading; the title screen shows
    // the main window when it closes.
    virtual void showTitleScreen() = 0;
    virtual void showMainWindow() = 0;
    // Ends the program at once: no other window runs its closing steps.
    virtual void endProgram() = 0;
};
