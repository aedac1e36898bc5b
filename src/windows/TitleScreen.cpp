#include "windows/TitleScreen.h"

#include "core/GameState.h"
#include "game/MainWindowView.h"
#include "game/MenuCaptions.h"
#include "wordlists/SettingsFile.h"

TitleScreen::TitleScreen(
    GameState &state, TitleScreenView &view, MainWindowView &mainWindow, MenuCaptions &captions)
    : m_state(state)
    , m_view(view)
    , m_mainWindow(mainWindow)
    , m_captions(captions)
{
}

void TitleScreen::backgroundClicked()
{
    m_view.showBear(m_view.isBearVisible(Side::Left) ? Side::Right : Side::Left);
}

// A bear uncovers its own gallows picture and sends the other bear hopping between the maker line
// and the top edge of the title.
void TitleScreen::bearClicked(Side side)
{
    const bool left = side == Side::Left;
    m_view.showGallowsPicture(side, left ? LeftGallowsPicture : RightGallowsPicture);
    const Side other = left ? Side::Right : Side::Left;
    const double makerTop = m_view.makerLineTop();
    m_view.setBearTop(other,
        m_view.bearTop(other) == makerTop ? m_view.titleTop() - m_view.bearHeight(other)
                                          : makerTop);
}

void TitleScreen::titleClicked()
{
    if (m_view.shownGallowsPicture(Side::Left) == LeftGallowsPicture
        && m_view.shownGallowsPicture(Side::Right) == RightGallowsPicture) {
        m_view.showDedication();
    }
}

void TitleScreen::close()
{
    if (m_view.isHideTicked()) {
        // Line 1 is kept as it is; the setting and the menu change only once the file says so.
        if (SettingsFile::rewriteKeepingLine1(m_state.homeDir, true)) {
            m_state.hideTitleScreen = true;
            m_captions.showTitleScreenOption(true);
            m_captions.showStartupList(m_state.homeDir);
        }
    }
    // Whatever became of the file, the game goes on.
    m_mainWindow.showMainWindow();
}
