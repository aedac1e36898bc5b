#pragma once

#include "sound/SoundLibrary.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

#include <future>
#include <memory>
#include <optional>

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

private:
    std::unique_ptr<SoundOutput> loadOutput();
    void takeRequest();
    void play(const QString &path);
    void setNowPlaying(const QString &path);

    const QStringList m_moduleDirs;
    std::promise<bool> m_devicePromise;
    std::shared_future<bool> m_device = m_devicePromise.get_future().share();

    mutable QMutex m_mutex; // guards the two members below
    std::optional<QString> m_request;
    QString m_nowPlaying;

    // Used on the sound thread only.
    std::unique_ptr<SoundOutput> m_output;
    SoundLibrary m_library;
};
