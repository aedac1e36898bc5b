#pragma once

#include "sound/SoundOutput.h"

#include <QAudio>
#include <QObject>

class QAudioSink;

// Plays through a QAudioSink fed from a buffer, one sound at a time. Lives in the loadable
// module, so it is the only code that needs Qt Multimedia.
class QtSoundOutput final : public SoundOutput
{
public:
    explicit QtSoundOutput(std::function<void()> finished);
    ~QtSoundOutput() override;

    bool hasDevice() const override;
    bool play(const WavFile &sound) override;
    void stop() override;

private:
    void onStateChanged(quint64 sound, QAudio::State state);

    std::function<void()> m_finished;
    QObject m_context; // receives the sinks' signals on this thread
    QAudioSink *m_sink = nullptr; // a child of m_context
    quint64 m_sound = 0; // counts the sounds started, to tell stale news from a replaced sink
};
