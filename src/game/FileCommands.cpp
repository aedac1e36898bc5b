#include "game/FileCommands.h"

#include "core/GameState.h"
#include "game/MenuCaptions.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "wordlists/SettingsFile.h"
#include "wordlists/WordListFile.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

using MenuItem = MainWindowView::MenuItem;
using Icon = MessageBoxes::Icon;

bool isListFileName(const QString &path)
{
    return path != u"*.wdr" && path.right(3).toLower() == u"wdr";
}

bool isInside(const QString &path, const QString &dir)
{
    return !dir.isEmpty() && QDir::cleanPath(path).startsWith(dir + u'/');
}

} // namespace

QString FileCommands::readyMadeListsDir(const QString &programDir)
{
    if (programDir.isEmpty())
        return {};
    return QDir::cleanPath(programDir + u"/../share/wordrow/lists"_s);
}

QString FileCommands::readyMadeLists() const
{
    const QString dir = readyMadeListsDir(m_files.programDir());
    return !dir.isEmpty() && m_files.exists(dir) ? dir : QString();
}

FileCommands::FileCommands(GameState &state, MainWindowView &view, FileDialogs &dialogs,
    MessageBoxes &messages, FileSystem &files)
    : m_state(state)
    , m_view(view)
    , m_dialogs(dialogs)
    , m_messages(messages)
    , m_files(files)
{
}

std::optional<QString> FileCommands::chooseList(const QString &title, SideBar sideBar)
{
    m_files.setCurrent(m_state.homeDir);
    FileDialogs::Options options;
    options.title = title;
    options.filter = WordListFile::DialogFilter.toString();
    options.flags = ListDialogFlags;
    options.initialDirectory = m_state.homeDir;
    if (sideBar == SideBar::WithReadyMadeLists) {
        const QString dir = readyMadeLists();
        if (!dir.isEmpty())
            options.sideBar = {{ReadyMadeListsName.toString(), dir}};
    }
    return m_dialogs.getOpenFileName(options);
}

void FileCommands::openList()
{
    const std::optional<QString> path = chooseList(u"File Open"_s, SideBar::WithReadyMadeLists);
    if (!path || !isListFileName(*path))
        return;
    switch (WordListFile::load(m_state, *path)) {
    case WordListFile::LoadResult::Loaded:
        MenuCaptions::showListInPlay(m_view, *path);
        break;
    case WordListFile::LoadResult::NoUsableWords:
        m_messages.inform(*path
                + u" holds no word of 1 to 15 characters, so Wordrow cannot "
                  u"play it.  The list in play stays as it was."_s,
            u"Load Another List"_s, Icon::Information);
        break;
    case WordListFile::LoadResult::Unreadable:
        break;
    }
}

void FileCommands::chooseStartupList()
{
    const std::optional<QString> path
        = chooseList(u"Default Wordist File"_s, SideBar::WithReadyMadeLists);
    if (!path || path->isEmpty() || !m_files.exists(*path))
        return;
    m_files.setCurrent(m_state.homeDir);
    if (!SettingsFile::writeStartupList(m_state.homeDir, *path, m_state.hideTitleScreen))
        return;
    m_view.setMenuText(MenuItem::StartupList, MenuCaptions::currentlyCaption(*path));
}

void FileCommands::deleteList()
{
    const std::optional<QString> path = chooseList(u"Delete Wordist File"_s, SideBar::Plain);
    if (!path)
        return;
    if (m_messages.ask(u"Do you want to delete "_s + *path + u'?', u"Exit"_s, Icon::Information)
        == MessageBoxes::Answer::No) {
        return;
    }
    const QString &home = m_state.homeDir;
    m_files.setCurrent(home);
    bool readable = false;
    const std::optional<QByteArray> line1 = SettingsFile::readLine1(home, &readable);
    if (!readable)
        return;
    // The lists that come with the game stay, also for a player who could write there: like any
    // file that cannot be deleted.
    if (isInside(*path, readyMadeLists()))
        return;
    // Deleting first: a file that stays keeps its place as the start-up list.
    if (!m_files.remove(*path))
        return;
    if (line1 != QFile::encodeName(*path))
        return;
    if (SettingsFile::writeDefaultStartupList(home, m_state.hideTitleScreen))
        MenuCaptions::showStartupList(m_view, home);
}

void FileCommands::setTitleScreenShown(bool shown)
{
    m_files.setCurrent(m_state.homeDir);
    // A settings file that had gone missing now names the default list: the menu says so too.
    if (SettingsFile::setHideTitleScreen(m_state, !shown))
        MenuCaptions::showStartupList(m_view, m_state.homeDir);
    // Also after a failed write: the menu then goes back to the setting still in force.
    MenuCaptions::showTitleScreenOption(m_view, m_state.hideTitleScreen);
}

void FileCommands::toggleSounds()
{
    m_state.soundsOff = !m_state.soundsOff;
    m_view.setMenuText(
        MenuItem::Sounds, m_state.soundsOff ? u"&Turn On Sounds"_s : u"&Turn Off Sounds"_s);
}

bool FileCommands::confirmQuit()
{
    const MessageBoxes::Answer answer
        = m_messages.ask(u"Do you want to quit?"_s, u"Exit"_s, Icon::Information);
    if (answer == MessageBoxes::Answer::No)
        return false;
    m_view.endProgram();
    return true;
}
