#include "FileMenu.h"

#include "FileSystem.h"
#include "MessageBoxes.h"
#include "Module1.h"
#include "SettingsFile.h"
#include "WordListFile.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

using MenuItem = MainWindowView::MenuItem;
using Icon = MessageBoxes::Icon;

bool isListFileName(const QString &path)
{
    return path != u"*.wdr" && path.right(3).toLower() == u"wdr";
}

} // namespace

FileMenu::FileMenu(Module1 &state, MainWindowView &view, FileDialogs &dialogs,
    MessageBoxes &messages, FileSystem &files)
    : m_state(state)
    , m_view(view)
    , m_dialogs(dialogs)
    , m_messages(messages)
    , m_files(files)
{
}

QString FileMenu::formCaption(const QString &listName)
{
    return u"Wordrow - by Quilbyte:  "_s + listName;
}

QString FileMenu::currentlyCaption(const QString &listName)
{
    return u"(Currently: "_s + listName + u')';
}

void FileMenu::showTitleScreenOption(MainWindowView &view, bool hideSplash)
{
    view.setMenuChecked(MenuItem::mnuFileOptionsShow, !hideSplash);
    view.setMenuEnabled(MenuItem::mnuFileOptionsShow, hideSplash);
    view.setMenuChecked(MenuItem::mnuFileOptionsHide, hideSplash);
    view.setMenuEnabled(MenuItem::mnuFileOptionsHide, !hideSplash);
}

void FileMenu::showStartupList(MainWindowView &view, const QString &homeDir)
{
    view.setMenuCaption(
        MenuItem::mnuFileDefault1, currentlyCaption(SettingsFile::read(homeDir).startupList));
}

std::optional<QString> FileMenu::chooseList(const QString &title)
{
    m_files.setCurrent(m_state.varHomeDir);
    FileDialogs::Options options;
    options.title = title;
    options.filter = ListFilter.toString();
    options.flags = ListDialogFlags;
    options.initialDirectory = m_state.varHomeDir;
    return m_dialogs.getOpenFileName(options);
}

void FileMenu::mnuFileOpen_Click()
{
    const std::optional<QString> path = chooseList(u"File Open"_s);
    if (!path || !isListFileName(*path))
        return;
    switch (WordListFile::LoadWordList(m_state, *path)) {
    case WordListFile::LoadResult::Loaded:
        m_view.setFormCaption(formCaption(*path));
        m_view.setMenuCaption(MenuItem::mnuFileCurrent, currentlyCaption(*path));
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

void FileMenu::mnuFileDefault_Click()
{
    const std::optional<QString> path = chooseList(u"Default Wordist File"_s);
    if (!path || path->isEmpty() || !m_files.exists(*path))
        return;
    m_files.setCurrent(m_state.varHomeDir);
    if (!SettingsFile::writeStartupList(m_state.varHomeDir, *path, m_state.blnHideSplash))
        return;
    m_view.setMenuCaption(MenuItem::mnuFileDefault1, currentlyCaption(*path));
}

void FileMenu::mnuFileDelete_Click()
{
    const std::optional<QString> path = chooseList(u"Delete Wordist File"_s);
    if (!path)
        return;
    if (m_messages.ask(u"Do you want to delete "_s + *path + u'?', u"Exit"_s, Icon::Information)
        == MessageBoxes::Answer::No) {
        return;
    }
    const QString &home = m_state.varHomeDir;
    m_files.setCurrent(home);
    bool readable = false;
    const std::optional<QByteArray> line1 = SettingsFile::readLine1(home, &readable);
    if (!readable)
        return;
    // Deleting first: a file that stays keeps its place as the start-up list.
    if (!m_files.remove(*path))
        return;
    if (line1 != QFile::encodeName(*path))
        return;
    if (SettingsFile::writeDefaultStartupList(home, m_state.blnHideSplash))
        showStartupList(m_view, home);
}

void FileMenu::setHideSplash(bool hide)
{
    m_files.setCurrent(m_state.varHomeDir);
    // A settings file that had gone missing now names the default list: the menu says so too.
    if (SettingsFile::setHideSplash(m_state, hide))
        showStartupList(m_view, m_state.varHomeDir);
    // Also after a failed write: the menu then goes back to the setting still in force.
    showTitleScreenOption(m_view, m_state.blnHideSplash);
}

void FileMenu::mnuOptionsSounds_Click()
{
    m_state.blnSoundOff = !m_state.blnSoundOff;
    m_view.setMenuCaption(MenuItem::mnuOptionsSounds,
        m_state.blnSoundOff ? u"&Turn On Sounds"_s : u"&Turn Off Sounds"_s);
}

void FileMenu::Form_Unload(bool &Cancel)
{
    const MessageBoxes::Answer answer
        = m_messages.ask(u"Do you want to quit?"_s, u"Exit"_s, Icon::Information);
    Cancel = answer == MessageBoxes::Answer::No;
    if (!Cancel)
        m_view.endProgram();
}
