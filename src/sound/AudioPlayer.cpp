#include "sound/AudioPlayer.h"

#include "core/WorkerThread.h"
#include "sound/SoundWorker.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace {

// Loading the module and asking the audio server take some 15 ms. An audio server that has not
// answered by then is not going to, and the game starts without sound.
constexpr int DeviceTimeoutMs = 2000;

} // namespace

AudioPlayer::AudioPlayer(std::function<void()> beep, QStringList moduleDirs)
    : m_beep(std::move(beep))
    , m_context(std::make_unique<QObject>())
    , m_worker(new SoundWorker(std::move(moduleDirs)))
    , m_thread(std::make_unique<WorkerThread>(u"wordrow-sound"_s, m_worker))
{
    // The first call the thread handles, ahead of any sound.
    QMetaObject::invokeMethod(m_worker, &SoundWorker::setUp, Qt::QueuedConnection);
}

AudioPlayer::~AudioPlayer()
{
    // A sound thread left behind may yet call back through the context.
    if (!m_thread->stop())
        (void)m_context.release();
}

bool AudioPlayer::isSoundCardEnabled() const
{
    return m_worker->hasDevice(DeviceTimeoutMs);
}

void AudioPlayer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        m_worker->request(QString());
}

void AudioPlayer::play(const QString &path)
{
    if (m_enabled)
        m_worker->request(path);
}

void AudioPlayer::beep()
{
    if (m_beep)
        m_beep();
}

void AudioPlayer::whenSilent(std::function<void()> done)
{
    QObject *context = m_context.get();
    m_worker->whenSilent([context, done = std::move(done)] {
        QMetaObject::invokeMethod(context, done, Qt::QueuedConnection);
    });
}

QString AudioPlayer::nowPlaying() const
{
    return m_worker->nowPlaying();
}

void AudioPlayer::platformBeep()
{
    // The beep goes through the GUI platform plugin, which a QCoreApplication does not load.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}

QStringList AudioPlayer::defaultModuleDirs()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir, dir + u"/../lib/wordrow"_s};
}
