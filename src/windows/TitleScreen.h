#pragma once

#include "TitleScreenView.h"

class FileSystem;
class MainWindowView;
class Module1;

// The rules of the title screen: the bears' little play, the dedication it uncovers, and what
// closing records before the game's window shows.
class TitleScreen
{
public:
    using Side = TitleScreenView::Side;

    // The main window's pictures of the whole figure on the gallows, and of the figure hanging.
    static constexpr int LeftPicture = 6;
    static constexpr int RightPicture = 7;

    TitleScreen(
        Module1 &state, TitleScreenView &view, MainWindowView &mainWindow, FileSystem &files);

    void Form_Click();
    void imgBearLeft_Click() { bearClicked(Side::Left); }
    void imgBearRight_Click() { bearClicked(Side::Right); }
    void imgTitle_Click();
    // Any way of closing; it cannot be cancelled.
    void Form_Unload();

private:
    void bearClicked(Side side);

    Module1 &m_state;
    TitleScreenView &m_view;
    MainWindowView &m_mainWindow;
    FileSystem &m_files;
};
