#pragma once

#include <QString>

#include <functional>

// The sound output the game talks to: a real audio device in the program, a recorder in tests.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    // Whether a sound device is present and enabled; asked once, at start-up.
    virtual bool isSoundCardEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Starts playing the .wav file at the path, in place of any sound still playing. Never blocks;
    // a missing or unplayable file plays nothing.
    virtual void play(const QString &path) = 0;
    virtual void beep() = 0;
    // Calls done, on the thread that asked, once the sound last asked for has played out, been
    // cut off or turned out unplayable. A player that cannot tell calls it at once.
    virtual void whenSilent(std::function<void()> done) { done(); }
};
