#pragma once

#include "windows/TitleScreenView.h"

class MainWindowView;
class MenuCaptions;
class GameState;

// The rules of the title screen: the bears' little play, the dedication it uncovers, and what
// closing records before the game's window shows.
class TitleScreen
{
public:
    using Side = TitleScreenView::Side;

    // The main window's pictures of the whole figure on the gallows, and of the figure hanging.
    static constexpr int LeftGallowsPicture = 6;
    static constexpr int RightGallowsPicture = 7;

    TitleScreen(GameState &state, TitleScreenView &view, MainWindowView &mainWindow,
        MenuCaptions &captions);

    void backgroundClicked();
    void bearClicked(Side side);
    void titleClicked();
    // Any way of closing; it cannot be cancelled.
    void close();

private:
    GameState &m_state;
    TitleScreenView &m_view;
    MainWindowView &m_mainWindow;
    MenuCaptions &m_captions;
};
