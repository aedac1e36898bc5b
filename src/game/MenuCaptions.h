#pragma once

#include <QString>

class MainWindowView;

// What the main window's title and File menu say about the lists and the title screen. Start-up,
// the File menu's commands, the word-list editor and the title screen all change them.
class MenuCaptions
{
public:
    static QString windowTitle(const QString &listName);
    static QString currentlyCaption(const QString &listName);
    // The list in play, in the window's title and under "Load Another List...".
    static void showListInPlay(MainWindowView &view, const QString &listName);
    // The item of the setting in force is checked and disabled, the other one offered.
    static void showTitleScreenOption(MainWindowView &view, bool hideTitleScreen);
    // Names the start-up list as the settings file now gives it.
    static void showStartupList(MainWindowView &view, const QString &homeDir);
};
