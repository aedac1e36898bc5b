#include "Startup.h"

#include "BuiltInWords.h"
#include "FileMenu.h"
#include "FileSystem.h"
#include "MainWindowView.h"
#include "MessageBoxes.h"
#include "Module1.h"
#include "RandomSource.h"
#include "SettingsFile.h"
#include "SoundPlayback.h"
#include "SoundPlayer.h"
#include "WordListFile.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

using MenuItem = MainWindowView::MenuItem;

WordList builtInWordList()
{
    WordList words;
    for (const QStringView word : BuiltInWords::entries)
        words.append(word);
    return words;
}

} // namespace

Startup::Startup(Module1 &state, MainWindowView &view, SoundPlayer &player, RandomSource &random,
    MessageBoxes &messages, FileSystem &files)
    : m_state(state)
    , m_view(view)
    , m_player(player)
    , m_random(random)
    , m_messages(messages)
    , m_files(files)
{
}

void Startup::Form_Load()
{
    // strLetters is a fixed array of 28 already; it is filled with the buttons below.
    m_state.blnSoundOff = false;
    m_state.varHomeDir = m_files.currentPath();
    m_state.blnSoundCard = m_player.isSoundCardEnabled();
    if (m_state.blnSoundCard)
        playStartupSound();
    m_view.setMenuChecked(MenuItem::mnuOptionsSounds, false);

    const bool homeWritable = writeMissingFiles();

    m_files.setCurrent(m_state.varHomeDir);
    const SettingsFile::StartupSettings settings = SettingsFile::read(m_state.varHomeDir);
    m_state.blnHideSplash = settings.hideSplash;
    FileMenu::showTitleScreenOption(m_view, m_state.blnHideSplash);
    if (!m_state.blnHideSplash)
        m_view.showTitleScreen();

    const QString listInPlay = loadStartupList(settings.startupList);
    showLetters();
    m_view.setFormCaption(FileMenu::formCaption(listInPlay));
    m_view.setMenuCaption(MenuItem::mnuFileCurrent, FileMenu::currentlyCaption(listInPlay));
    m_view.setMenuCaption(
        MenuItem::mnuFileDefault1, FileMenu::currentlyCaption(settings.startupList));

    if (!homeWritable) {
        m_messages.inform(u"Wordrow cannot save files in "_s + m_state.varHomeDir
                + u".  You can play, but word lists and settings cannot be saved "
                  u"there.  To keep them, start Wordrow from a folder you can "
                  u"write to."_s,
            u"Wordrow"_s, MessageBoxes::Icon::Information);
    } else if (listInPlay != settings.startupList) {
        m_messages.inform(u"The start-up list "_s + settings.startupList
                + u" could not be loaded.  Wordrow is using "_s + listInPlay + u" instead."_s,
            u"Wordrow"_s, MessageBoxes::Icon::Information);
    }
}

void Startup::playStartupSound()
{
    m_player.setEnabled(true);
    m_random.reseed();
    const qsizetype n = RandomSource::indexFor(m_random.draw(), int(StartupSounds.size()));
    // Sounds are on at every start, so this one does not ask the sound switch.
    m_player.setFileName(SoundPlayback::soundFilePath(m_state.varHomeDir, StartupSounds[n]));
}

// The settings file and the default list, each written only when missing. Says whether every
// write that was needed succeeded.
bool Startup::writeMissingFiles()
{
    const QString &home = m_state.varHomeDir;
    bool written = true;
    if (!m_files.exists(SettingsFile::path(home))) {
        m_state.blnHideSplash = false;
        written = SettingsFile::writeDefaultStartupList(home, false);
    }
    if (!m_files.exists(SettingsFile::defaultListPath(home))) {
        written = WordListFile::WriteWordList(
                      SettingsFile::defaultListPath(home), BuiltInWords::words())
            && written;
    }
    return written;
}

// Loads the start-up list, or the default list, or the built-in words, so that there is always
// a list to play; returns the name of the one in play.
QString Startup::loadStartupList(const QString &startupList)
{
    if (loadFile(startupList))
        return startupList;
    const QString defaultList = SettingsFile::defaultListPath(m_state.varHomeDir);
    if (QDir(m_state.varHomeDir).filePath(startupList) != defaultList && loadFile(defaultList))
        return defaultList;
    m_state.strWordList = builtInWordList();
    return BuiltInListName.toString();
}

bool Startup::loadFile(const QString &name)
{
    // A relative name is the default list named without its directory.
    const QString path = QDir(m_state.varHomeDir).filePath(name);
    return WordListFile::LoadWordList(m_state, path) == WordListFile::LoadResult::Loaded;
}

void Startup::showLetters()
{
    m_state.strLetters = Module1::letterSet();
    for (int i = 0; i < Module1::LetterCount; ++i) {
        m_view.setLetterCaption(i, m_state.strLetters.at(i));
        m_view.setLetterBackColor(i, LetterColor);
        m_view.setLetterEnabled(i, false);
    }
}
