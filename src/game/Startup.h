#pragma once

#include <QString>
#include <QStringView>

#include <array>

class FileSystem;
class MainWindowView;
class MenuCaptions;
class MessageBoxes;
class GameState;
class RandomSource;
class SoundPlayer;

// Everything the program does before the first user event: home directory, start-up sound,
// first-run files, settings, the start-up list, the letter buttons and the list's name.
class Startup
{
public:
    Startup(GameState &state, MainWindowView &view, MenuCaptions &captions, SoundPlayer &player,
        RandomSource &random, MessageBoxes &messages, FileSystem &files);

    void run();

    static constexpr std::array<QStringView, 3> StartupSounds{
        u"Drumroll.wav", u"Musica.wav", u"Tada.wav"};
    // The name shown for the list the program carries itself, when no file could be loaded.
    static constexpr QStringView BuiltInListName = u"built-in words";

private:
    void playStartupSound();
    bool writeMissingFiles();
    QString loadStartupList(const QString &startupList);
    bool loadFile(const QString &name);
    void showLetters();

    GameState &m_state;
    MainWindowView &m_view;
    MenuCaptions &m_captions;
    SoundPlayer &m_player;
    RandomSource &m_random;
    MessageBoxes &m_messages;
    FileSystem &m_files;
};
