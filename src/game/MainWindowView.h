#pragma once

#include "game/GameView.h"

#include <QString>

// What start-up and the File menu ask of the main window, beyond what a round asks of it.
class MainWindowView : public GameView
{
public:
    enum class MenuItem {
        CurrentList,
        StartupList,
        ShowTitleScreen,
        HideTitleScreen,
        Sounds,
        SayAgain,
        SayAtRoundEnd,
        SayNewWord,
        SpellingTest,
    };

    virtual void setMenuText(MenuItem item, const QString &caption) = 0;
    virtual void setMenuChecked(MenuItem item, bool checked) = 0;
    virtual void setMenuEnabled(MenuItem item, bool enabled) = 0;
    // Says why an item is disabled; empty for none.
    virtual void setMenuToolTip(MenuItem item, const QString &toolTip) = 0;

    // The window's title.
    virtual void setTitle(const QString &caption) = 0;
    // The list in play changed, named by its path or as the title names it; for the practice
    // record, which keeps the list of each round.
    virtual void listInPlayChanged(const QString &) {}
    virtual void setLetterText(int index, const QString &caption) = 0;

    // Start-up hands over to the title screen while it goes on loading; the title screen shows
    // the main window when it closes.
    virtual void showTitleScreen() = 0;
    virtual void showMainWindow() = 0;
    // Ends the program at once: no other window runs its closing steps.
    virtual void endProgram() = 0;
};
