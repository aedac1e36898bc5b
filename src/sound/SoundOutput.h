#pragma once

#include <functional>

class WavFile;

// The sound card as the sound thread drives it. Its one implementation sits in a module of its
// own, loaded on that thread, so that the program never waits for the multimedia libraries to
// load before its first window; every call comes from that thread.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // Whether the system has an audio output to play to.
    virtual bool hasDevice() const = 0;
    // Starts the sound in place of any still playing; false when the output refused it.
    virtual bool play(const WavFile &sound) = 0;
    virtual void stop() = 0;
};

// The module's one export. finished is called on the sound thread when a sound has played out.
using CreateSoundOutput = SoundOutput *(*)(std::function<void()> finished);
inline constexpr char CreateSoundOutputSymbol[] = "wordrow_create_sound_output";
