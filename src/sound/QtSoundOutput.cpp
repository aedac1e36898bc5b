#include "sound/QtSoundOutput.h"

#include "sound/WavFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace {

QAudioFormat audioFormat(const WavFile &sound)
{
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate());
    format.setChannelCount(sound.channelCount());
    format.setSampleFormat(sound.bitsPerSample() == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

extern "C" Q_DECL_EXPORT SoundOutput *wordrow_create_sound_output(std::function<void()> finished)
{
    return new QtSoundOutput(std::move(finished));
}

QtSoundOutput::QtSoundOutput(std::function<void()> finished)
    : m_finished(std::move(finished))
{
}

QtSoundOutput::~QtSoundOutput()
{
    // The stream must be closed before the audio server's connection is torn down at exit.
    stop();
}

bool QtSoundOutput::hasDevice() const
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool QtSoundOutput::play(const WavFile &sound)
{
    stop();
    // Without an output a sink would only fail, and say so on the console each time.
    if (!hasDevice())
        return false;
    auto *sink = new QAudioSink(audioFormat(sound), &m_context);
    auto *buffer = new QBuffer(sink);
    buffer->setData(sound.samples());
    buffer->open(QIODevice::ReadOnly);
    // Queued, so that the sink is never deleted inside its own signal.
    QObject::connect(
        sink, &QAudioSink::stateChanged, &m_context,
        [this, id = ++m_sound](QAudio::State state) { onStateChanged(id, state); },
        Qt::QueuedConnection);
    m_sink = sink;
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        stop();
        return false;
    }
    return true;
}

void QtSoundOutput::stop()
{
    if (!m_sink)
        return;
    m_sink->disconnect(&m_context);
    m_sink->stop();
    delete m_sink;
    m_sink = nullptr;
}

void QtSoundOutput::onStateChanged(quint64 sound, QAudio::State state)
{
    // News from a sink already replaced is stale; its address may even be the new sink's.
    if (sound != m_sound || !m_sink)
        return;
    // Idle means the buffer ran dry: the sound is over.
    if (state == QAudio::IdleState || state == QAudio::StoppedState) {
        stop();
        if (m_finished)
            m_finished();
    }
}
