#pragma once

#include "FileDialogs.h"
#include "MainWindowView.h"

#include <QString>

class FileSystem;
class MessageBoxes;
class Module1;

// The File menu's commands and the question asked whenever the main window closes.
class FileMenu
{
public:
    FileMenu(Module1 &state, MainWindowView &view, FileDialogs &dialogs, MessageBoxes &messages,
        FileSystem &files);

    void mnuFileOpen_Click();
    void mnuFileCurrent_Click() { mnuFileOpen_Click(); }
    void mnuFileDefault_Click();
    void mnuFileDefault1_Click() { mnuFileDefault_Click(); }
    void mnuFileDelete_Click();
    void mnuFileOptionsShow_Click() { setHideSplash(false); }
    void mnuFileOptionsHide_Click() { setHideSplash(true); }
    void mnuOptionsSounds_Click();

    // Any way of closing the main window; Cancel keeps it open.
    void Form_Unload(bool &Cancel);

    // Texts shared with start-up.
    static QString formCaption(const QString &listName);
    static QString currentlyCaption(const QString &listName);
    // The item of the setting in force is checked and disabled, the other one offered.
    static void showTitleScreenOption(MainWindowView &view, bool hideSplash);
    // Names the start-up list as the settings file now gives it.
    static void showStartupList(MainWindowView &view, const QString &homeDir);

    static constexpr QStringView ListFilter = u"Wordrow Files(*.wdr)|*.wdr";
    // Flags of the three list dialogs: the file must exist, no read-only box.
    static constexpr quint32 ListDialogFlags
        = FileDialogs::FileMustExist | FileDialogs::HideReadOnly;

private:
    std::optional<QString> chooseList(const QString &title);
    void setHideSplash(bool hide);

    Module1 &m_state;
    MainWindowView &m_view;
    FileDialogs &m_dialogs;
    MessageBoxes &m_messages;
    FileSystem &m_files;
};
