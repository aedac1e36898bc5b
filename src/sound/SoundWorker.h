#pragma once

#include "sound/SoundLibrary.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <vector>

class SoundOutput;

// The sound thread's side of the player: loads the output module, reads the .wav files (or the
// bundled sounds in their place) and plays them, so that the thread that asks never waits for
// any of it.
class SoundWorker : public QObject
{
    Q_OBJECT

public:
    explicit SoundWorker(QStringList moduleDirs);
    ~SoundWorker() override;

    // On the sound thread, before any request: loads the output and looks for a device.
    void setUp();

    // Any thread. Whether setUp() found a device; waits for it at most timeoutMs.
    bool hasDevice(int timeoutMs) const;
    // Any thread. Only the latest request of a quick run is played: the earlier ones would have
    // been cut off at once anyway. An empty path stops the sound.
    void request(const QString &path);
    // Any thread. The file now coming out of the speakers, or empty when silent.
    QString nowPlaying() const;
    // Any thread. Calls done once no request waits and nothing plays: on the sound thread, or at
    // once on the caller's when that is so already.
    void whenSilent(std::function<void()> done);

private:
    std::unique_ptr<SoundOutput> loadOutput();
    void takeRequest();
    void play(const QString &path);
    void setNowPlaying(const QString &path);
    void soundEnded();
    // With m_mutex held: the waiters to call now, if silence has come.
    std::vector<std::function<void()>> takeSilentWaiters();

    const QStringList m_moduleDirs;
    std::promise<bool> m_devicePromise;
    std::shared_future<bool> m_device = m_devicePromise.get_future().share();

    mutable QMutex m_mutex; // guards the four members below
    std::optional<QString> m_request;
    QString m_nowPlaying;
    // While a request is being taken the player is not silent, though nothing may play yet.
    bool m_taking = false;
    std::vector<std::function<void()>> m_silentWaiters;

    // Used on the sound thread only.
    std::unique_ptr<SoundOutput> m_output;
    SoundLibrary m_library;
    // When the sound now playing will have come out of the speakers, and which request it is.
    QDeadlineTimer m_playedOut;
    quint64 m_requestNumber = 0;
};
