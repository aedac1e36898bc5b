#include "TitleScreen.h"

#include "FileMenu.h"
#include "FileSystem.h"
#include "MainWindowView.h"
#include "Module1.h"
#include "SettingsFile.h"

TitleScreen::TitleScreen(
    Module1 &state, TitleScreenView &view, MainWindowView &mainWindow, FileSystem &files)
    : m_state(state)
    , m_view(view)
    , m_mainWindow(mainWindow)
    , m_files(files)
{
}

void TitleScreen::Form_Click()
{
    m_view.showBear(m_view.isBearVisible(Side::Left) ? Side::Right : Side::Left);
}

// A bear uncovers its own gallows picture and sends the other bear hopping between the maker line
// and the top edge of the title.
void TitleScreen::bearClicked(Side side)
{
    const bool left = side == Side::Left;
    m_view.showHangPicture(side, left ? LeftPicture : RightPicture);
    const Side other = left ? Side::Right : Side::Left;
    const double makerTop = m_view.makerLineTop();
    m_view.setBearTop(other,
        m_view.bearTop(other) == makerTop ? m_view.titleTop() - m_view.bearHeight(other)
                                          : makerTop);
}

void TitleScreen::imgTitle_Click()
{
    if (m_view.hangPicture(Side::Left) == LeftPicture
        && m_view.hangPicture(Side::Right) == RightPicture) {
        m_view.showDedication();
    }
}

void TitleScreen::Form_Unload()
{
    if (m_view.isHideTicked()) {
        m_files.setCurrent(m_state.varHomeDir);
        // Line 1 is kept as it is; the setting and the menu change only once the file says so.
        if (SettingsFile::setHideSplash(m_state, true)) {
            FileMenu::showTitleScreenOption(m_mainWindow, true);
            FileMenu::showStartupList(m_mainWindow, m_state.varHomeDir);
        }
    }
    // Whatever became of the file, the game goes on.
    m_mainWindow.showMainWindow();
}
