#pragma once

#include <QString>
#include <QStringView>

#include <functional>

class GameState;
class SoundPlayer;

// The one way the game plays a sound: by a file name such as "Laser.wav", looked up in the home
// directory, and only while sounds are on and a sound device was found.
class SoundPlayback
{
public:
    SoundPlayback(const GameState &state, SoundPlayer &player);

    void play(QStringView name);
    void beep();
    // Calls done once the sound last played has finished: at once when sounds are off or there is
    // no sound device, since then nothing plays.
    void whenQuiet(std::function<void()> done);

    // The file a sound name stands for in a directory. The letter case of the name is ignored:
    // callers spell the same sound differently.
    static QString soundFilePath(const QString &directory, QStringView name);

private:
    const GameState &m_state;
    SoundPlayer &m_player;
};
