#include "game/FileCommands.h"

#include "core/GameState.h"
#include "game/MenuCaptions.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "wordlists/SentenceFile.h"
#include "wordlists/SettingsFile.h"
#include "wordlists/WordListFile.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

using Icon = MessageBoxes::Icon;

constexpr QStringView DeleteTitle = u"Delete Wordlist File";

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

QString FileCommands::classListsDir(const QString &homeDir)
{
    return QDir(homeDir).filePath(u"class-lists"_s);
}

QString FileCommands::readyMadeLists() const
{
    const QString dir = readyMadeListsDir(m_files.programDir());
    return !dir.isEmpty() && m_files.exists(dir) ? dir : QString();
}

FileCommands::FileCommands(GameState &state, MainWindowView &view, MenuCaptions &captions,
    FileDialogs &dialogs, MessageBoxes &messages, FileSystem &files)
    : m_state(state)
    , m_view(view)
    , m_captions(captions)
    , m_dialogs(dialogs)
    , m_messages(messages)
    , m_files(files)
{
}

std::optional<QString> FileCommands::chooseList(const QString &title, SideBar sideBar)
{
    FileDialogs::Options options;
    options.title = title;
    options.nameFilters = {WordListFile::NameFilter.toString()};
    options.startFolder = m_state.homeDir;
    options.fileMustExist = true;
    if (sideBar == SideBar::WithListFolders) {
        const QString readyMade = readyMadeLists();
        if (!readyMade.isEmpty())
            options.sideBar.append({ReadyMadeListsName.toString(), readyMade});
        // Only on a computer that has been sent lists.
        const QString classLists = classListsDir(m_state.homeDir);
        if (m_files.exists(classLists))
            options.sideBar.append({ClassListsName.toString(), classLists});
    }
    return m_dialogs.getOpenFileName(options);
}

void FileCommands::openList()
{
    const std::optional<QString> path = chooseList(u"File Open"_s, SideBar::WithListFolders);
    if (!path || !isListFileName(*path))
        return;
    WordListFile::LoadResult loaded = WordListFile::load(*path);
    switch (loaded.status) {
    case WordListFile::LoadResult::Status::Loaded:
        m_state.words = std::move(loaded.words);
        m_state.sentences = std::move(loaded.sentences);
        m_captions.showListInPlay(*path);
        break;
    case WordListFile::LoadResult::Status::NoUsableWords:
        m_messages.inform(*path
                + u" holds no word of 1 to 15 characters, so Wordrow cannot "
                  u"play it.  The list in play stays as it was."_s,
            u"Load Another List"_s, Icon::Information);
        break;
    case WordListFile::LoadResult::Status::Unreadable:
        break;
    }
}

void FileCommands::chooseStartupList()
{
    const std::optional<QString> path
        = chooseList(u"Default Wordlist File"_s, SideBar::WithListFolders);
    if (!path || path->isEmpty() || !m_files.exists(*path))
        return;
    if (!SettingsFile::writeStartupList(m_state.homeDir, *path, m_state.hideTitleScreen))
        return;
    m_captions.setStartupListCaption(*path);
}

void FileCommands::deleteList()
{
    const std::optional<QString> path = chooseList(DeleteTitle.toString(), SideBar::Plain);
    if (!path)
        return;
    if (m_messages.ask(u"Do you want to delete "_s + *path + u'?', u"Exit"_s, Icon::Information)
        == MessageBoxes::Answer::No) {
        return;
    }
    const QString &home = m_state.homeDir;
    bool readable = false;
    const std::optional<QByteArray> line1 = SettingsFile::readLine1(home, &readable);
    if (const std::optional<QString> why = whyNotDeletable(*path, readable)) {
        sayNotDeleted(*path, *why);
        return;
    }
    // Deleting first: a file that stays keeps its place as the start-up list.
    if (!m_files.remove(*path)) {
        sayNotDeleted(*path, u"Wordrow is not allowed to change it or its folder."_s);
        return;
    }
    // Its sentences go with it: left behind, they would come back with a new list of its name.
    const QString sentences = SentenceFile::pathFor(*path);
    if (m_files.exists(sentences))
        m_files.remove(sentences);
    if (line1 != QFile::encodeName(*path))
        return;
    if (SettingsFile::writeDefaultStartupList(home, m_state.hideTitleScreen))
        m_captions.showStartupList(home);
}

std::optional<QString> FileCommands::whyNotDeletable(
    const QString &path, bool settingsReadable) const
{
    // Without the settings there is no telling whether the file is the start-up list.
    if (!settingsReadable)
        return u"Wordrow could not read its settings, so it cannot tell whether this is the "
               u"startup list."_s;
    // The lists that come with the game stay, also for a player who could write there.
    if (isInside(path, readyMadeLists()))
        return u"it is one of the lists that come with Wordrow."_s;
    if (!m_files.exists(path))
        return u"it is no longer there."_s;
    return std::nullopt;
}

void FileCommands::sayNotDeleted(const QString &path, const QString &why)
{
    m_messages.inform(
        path + u" was not deleted: "_s + why, DeleteTitle.toString(), Icon::Information);
}

void FileCommands::setTitleScreenShown(bool shown)
{
    const bool hide = !shown;
    // The setting changes only once the file says so too. A settings file that had gone missing
    // now names the default list: the menu says so too.
    if (SettingsFile::rewriteKeepingLine1(m_state.homeDir, hide)) {
        m_state.hideTitleScreen = hide;
        m_captions.showStartupList(m_state.homeDir);
    }
    // Also after a failed write: the menu then goes back to the setting still in force.
    m_captions.showTitleScreenOption(m_state.hideTitleScreen);
}

void FileCommands::toggleSounds()
{
    m_state.soundsOff = !m_state.soundsOff;
    m_captions.showSoundsOff(m_state.soundsOff);
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
