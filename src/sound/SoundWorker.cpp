#include "sound/SoundWorker.h"

#include "sound/SoundOutput.h"
#include "sound/WavFile.h"

#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QTimer>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(lcSound, "wordrow.sound", QtInfoMsg)

// From a sound's start to its first sample at the speakers (the sound bench measures some 25 ms).
constexpr qint64 StartLatencyMs = 30;

} // namespace

SoundWorker::SoundWorker(QStringList moduleDirs)
    : m_moduleDirs(std::move(moduleDirs))
{
}

// Runs on the sound thread as it finishes, so the output is closed where it was opened.
SoundWorker::~SoundWorker() = default;

void SoundWorker::setUp()
{
    m_output = loadOutput();
    m_devicePromise.set_value(m_output && m_output->hasDevice());
}

bool SoundWorker::hasDevice(int timeoutMs) const
{
    if (m_device.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready) {
        qCWarning(lcSound) << "No answer from the audio system; playing without sounds";
        return false;
    }
    return m_device.get();
}

void SoundWorker::request(const QString &path)
{
    QMutexLocker lock(&m_mutex);
    const bool queued = m_request.has_value();
    m_request = path;
    if (!queued)
        QMetaObject::invokeMethod(this, &SoundWorker::takeRequest, Qt::QueuedConnection);
}

QString SoundWorker::nowPlaying() const
{
    QMutexLocker lock(&m_mutex);
    return m_nowPlaying;
}

std::unique_ptr<SoundOutput> SoundWorker::loadOutput()
{
    for (const QString &dir : m_moduleDirs) {
        QLibrary module(QDir(dir).filePath(u"wordrow_sound_output"_s));
        // Stays loaded for the rest of the run: QLibrary unloads only when asked.
        if (!module.load()) {
            qCDebug(lcSound) << module.errorString();
            continue;
        }
        if (auto create
            = reinterpret_cast<CreateSoundOutput>(module.resolve(CreateSoundOutputSymbol)))
            return std::unique_ptr<SoundOutput>(create([this] { soundEnded(); }));
    }
    qCWarning(lcSound) << "No sound output module in" << m_moduleDirs << "; playing without sounds";
    return nullptr;
}

void SoundWorker::whenSilent(std::function<void()> done)
{
    QMutexLocker lock(&m_mutex);
    if (m_request || m_taking || !m_nowPlaying.isEmpty()) {
        m_silentWaiters.push_back(std::move(done));
        return;
    }
    lock.unlock();
    done();
}

void SoundWorker::takeRequest()
{
    QString path;
    {
        QMutexLocker lock(&m_mutex);
        path = m_request.value_or(QString());
        m_request.reset();
        m_taking = true;
    }
    ++m_requestNumber;
    if (m_output)
        m_output->stop();
    setNowPlaying(QString());
    if (!path.isEmpty())
        play(path);

    QMutexLocker lock(&m_mutex);
    m_taking = false;
    const std::vector<std::function<void()>> waiters = takeSilentWaiters();
    lock.unlock();
    for (const auto &done : waiters)
        done();
}

void SoundWorker::play(const QString &path)
{
    if (!m_output)
        return;
    const WavFile sound = m_library.load(path);
    if (!sound.isValid()) {
        qCDebug(lcSound) << "Not playing" << path << "problem" << int(sound.problem());
        return;
    }
    if (m_output->play(sound)) {
        setNowPlaying(path);
        m_playedOut.setRemainingTime(
            sound.frameCount() * 1000 / sound.sampleRate() + StartLatencyMs);
    }
}

void SoundWorker::setNowPlaying(const QString &path)
{
    QMutexLocker lock(&m_mutex);
    m_nowPlaying = path;
}

// The output's word that a sound has played out or was stopped, on the sound thread.
void SoundWorker::soundEnded()
{
    // The output runs dry while the audio server still holds the sound's last part: the sound is
    // over only once its length has passed since it started.
    const qint64 left = m_playedOut.remainingTime();
    QMutexLocker lock(&m_mutex);
    if (!m_taking && left > 0) {
        QTimer::singleShot(left, this, [this, request = m_requestNumber] {
            if (request == m_requestNumber)
                soundEnded();
        });
        return;
    }
    m_nowPlaying.clear();
    // Stopped for the next request: silence comes only once that one is taken.
    if (m_taking)
        return;
    const std::vector<std::function<void()>> waiters = takeSilentWaiters();
    lock.unlock();
    for (const auto &done : waiters)
        done();
}

std::vector<std::function<void()>> SoundWorker::takeSilentWaiters()
{
    if (m_request || !m_nowPlaying.isEmpty())
        return {};
    return std::exchange(m_silentWaiters, {});
}
