#include "game/Startup.h"

#include "core/GameState.h"
#include "core/RandomSource.h"
#include "core/WholeFile.h"
#include "game/GameRound.h"
#include "game/MainWindowView.h"
#include "game/MenuCaptions.h"
#include "game/RoundTexts.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/SoundPlayer.h"
#include "sound/SoundPlayback.h"
#include "wordlists/BuiltInWords.h"
#include "wordlists/SettingsFile.h"
#include "wordlists/WordListFile.h"

#include <QDir>

using namespace Qt::StringLiterals;

Startup::Startup(GameState &state, MainWindowView &view, MenuCaptions &captions,
    SoundPlayer &player, RandomSource &random, MessageBoxes &messages, FileSystem &files)
    : m_state(state)
    , m_view(view)
    , m_captions(captions)
    , m_player(player)
    , m_random(random)
    , m_messages(messages)
    , m_files(files)
{
}

void Startup::run()
{
    m_state.soundsOff = false;
    // Taken once: from here on every path is made from it, whatever the working folder becomes.
    m_state.homeDir = QDir(m_files.currentPath()).absolutePath();
    m_state.soundCardFound = m_player.isSoundCardEnabled();
    if (m_state.soundCardFound)
        playStartupSound();
    m_captions.showSoundsOff(m_state.soundsOff);

    const bool homeWritable = writeMissingFiles();

    const SettingsFile::StartupSettings settings = SettingsFile::read(m_state.homeDir);
    m_state.hideTitleScreen = settings.hideTitleScreen;
    m_captions.showTitleScreenOption(m_state.hideTitleScreen);
    if (!m_state.hideTitleScreen)
        m_view.showTitleScreen();

    const QString listInPlay = loadStartupList(settings.startupList);
    showLetters();
    m_captions.showListInPlay(listInPlay);
    m_captions.setStartupListCaption(settings.startupList);

    if (!homeWritable) {
        m_messages.inform(u"Wordrow cannot save files in "_s + m_state.homeDir
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
    m_player.play(SoundPlayback::soundFilePath(m_state.homeDir, StartupSounds[n]));
}

// The settings file and the default list, each written only when missing. Says whether every
// write that was needed succeeded.
bool Startup::writeMissingFiles()
{
    const QString &home = m_state.homeDir;
    bool written = true;
    if (!m_files.exists(SettingsFile::path(home))) {
        m_state.hideTitleScreen = false;
        written = SettingsFile::writeDefaultStartupList(home, false);
    }
    if (!m_files.exists(SettingsFile::defaultListPath(home))) {
        written = WholeFile::write(SettingsFile::defaultListPath(home), BuiltInWords::bytes())
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
    const QString defaultList = SettingsFile::defaultListPath(m_state.homeDir);
    if (QDir(m_state.homeDir).filePath(startupList) != defaultList && loadFile(defaultList))
        return defaultList;
    m_state.words = BuiltInWords::words();
    m_state.sentences = {};
    return BuiltInListName.toString();
}

bool Startup::loadFile(const QString &name)
{
    // A relative name is the default list named without its directory.
    const QString path = QDir(m_state.homeDir).filePath(name);
    WordListFile::LoadResult loaded = WordListFile::load(path);
    if (!loaded.isLoaded())
        return false;
    m_state.words = std::move(loaded.words);
    m_state.sentences = std::move(loaded.sentences);
    return true;
}

void Startup::showLetters()
{
    const GameRound::Letters letters = GameRound::letterSet();
    for (int i = 0; i < GameRound::LetterCount; ++i) {
        m_view.setLetterText(i, letters.at(i));
        m_view.setLetterColor(i, RoundTexts::availableColor);
        m_view.setLetterEnabled(i, false);
    }
}
