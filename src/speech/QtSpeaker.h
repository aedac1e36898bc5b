#pragma once

#include "platform/Speaker.h"

#include <QString>

#include <memory>

class QTimer;
class SpeechWorker;
class WorkerThread;

// The desktop's speech engine through Qt TextToSpeech and speech-dispatcher. Building it only
// looks at which engines are installed; the engine itself starts on a thread of its own when
// first needed, so the game never waits for it, even when the speech service does not answer.
class QtSpeaker final : public Speaker
{
    Q_OBJECT

public:
    explicit QtSpeaker(const QString &engine = QStringLiteral("speechd"));
    ~QtSpeaker() override;

    Availability availability() const override { return m_availability; }
    QString unavailableReason() const override { return m_reason; }
    void prepare() override;
    // The text in lower case: some engines spell a word in capitals letter by letter.
    void say(const QString &text) override;
    void stop() override;
    void sayInTurn(const QStringList &parts) override;
    // Kept until the engine starts: choosing a voice starts nothing.
    void setVoice(const QString &name, double rate) override;
    void listVoices() override;

private:
    void startEngine();
    void engineStarted(bool ready, const QString &reason);

    const QString m_engine;
    Availability m_availability = Availability::Unknown;
    QString m_reason;
    std::unique_ptr<WorkerThread> m_thread;
    SpeechWorker *m_worker = nullptr; // lives on m_thread, which deletes it as it finishes
    QTimer *m_answerTimer = nullptr;
    QString m_voiceName;
    double m_rate;
};
