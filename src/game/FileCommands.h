#pragma once

#include "game/MainWindowView.h"
#include "platform/FileDialogs.h"

#include <QString>

class FileSystem;
class GameState;
class MenuCaptions;
class MessageBoxes;

// The File menu's commands and the question asked whenever the main window closes.
class FileCommands
{
public:
    FileCommands(GameState &state, MainWindowView &view, MenuCaptions &captions,
        FileDialogs &dialogs, MessageBoxes &messages, FileSystem &files);

    void openList();
    void chooseStartupList();
    void deleteList();
    void setTitleScreenShown(bool shown);
    void toggleSounds();

    // Asked on any way of closing the main window; true when the player wants to quit, and the
    // program then ends.
    bool confirmQuit();

    // The lists that come with the game: <program's folder>/../share/wordrow/lists, as installed
    // under a prefix and as laid out in a build tree. Empty for an unknown program folder.
    static QString readyMadeListsDir(const QString &programDir);
    // How the dialogs that open a list name that folder in their side bar.
    static constexpr QStringView ReadyMadeListsName = u"Ready-made lists";
    // The lists a teacher publishes to the class, as each computer keeps them: a folder of their
    // own beside the game's files.
    static QString classListsDir(const QString &homeDir);
    static constexpr QStringView ClassListsName = u"Class lists";

private:
    enum class SideBar { Plain, WithListFolders };

    std::optional<QString> chooseList(const QString &title, SideBar sideBar);
    // Why the file cannot be deleted, in the player's words; nullopt when nothing stops it.
    std::optional<QString> whyNotDeletable(const QString &path, bool settingsReadable) const;
    void sayNotDeleted(const QString &path, const QString &why);
    // The folder of the lists that come with the game, when there is one.
    QString readyMadeLists() const;

    GameState &m_state;
    MainWindowView &m_view;
    MenuCaptions &m_captions;
    FileDialogs &m_dialogs;
    MessageBoxes &m_messages;
    FileSystem &m_files;
};
