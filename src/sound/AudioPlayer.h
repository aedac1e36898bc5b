#pragma once

#include "platform/SoundPlayer.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class QObject;
class SoundWorker;
class WorkerThread;

// The sound card, through Qt Multimedia. A thread of its own, started here, loads the multimedia
// module and the sound files and plays them, so neither start-up nor the user interface waits
// for the audio system. Without the module or a device the game simply has no sound. Needs a
// QCoreApplication for as long as it lives.
class AudioPlayer final : public SoundPlayer
{
public:
    explicit AudioPlayer(
        std::function<void()> beep = platformBeep, QStringList moduleDirs = defaultModuleDirs());
    ~AudioPlayer() override;

    AudioPlayer(const AudioPlayer &) = delete;
    AudioPlayer &operator=(const AudioPlayer &) = delete;

    // Waits for the sound thread to find the device, which it began to look for at construction.
    bool isSoundCardEnabled() const override;
    void setEnabled(bool enabled) override; // on from the start
    void play(const QString &path) override;
    void beep() override;
    void whenSilent(std::function<void()> done) override;

    // The file now coming out of the speakers, or empty when silent. Sounds start a moment
    // after play() returns.
    QString nowPlaying() const;

    // The desktop's own beep; silent without a GUI application.
    static void platformBeep();
    // Where the sound output module is looked for: beside the program, then in its lib folder.
    static QStringList defaultModuleDirs();

private:
    std::function<void()> m_beep;
    std::atomic<bool> m_enabled = true;
    // Lives on the thread that built the player: the sound thread's news is passed on through it.
    std::unique_ptr<QObject> m_context;
    SoundWorker *m_worker; // lives on m_thread, which deletes it as it finishes
    std::unique_ptr<WorkerThread> m_thread;
};
