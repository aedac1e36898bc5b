#pragma once

#include <QObject>
#include <QString>

class QTextToSpeech;

// The speech thread's side of the speaker: starts the engine, which can take seconds (it lists
// every voice it has, and may have to start the speech service first), and speaks.
class SpeechWorker : public QObject
{
    Q_OBJECT

public:
    explicit SpeechWorker(QString engine);

    // On the speech thread: each starts the engine first if need be.
    void setUp();
    void say(const QString &text);
    void stop();

Q_SIGNALS:
    // Once, after the first setUp(): whether the engine speaks, and if not, why.
    void started(bool ready, const QString &reason);
    void finished();

private:
    void chooseVoice();

    const QString m_engine;
    QTextToSpeech *m_speech = nullptr; // a child, deleted with the worker on its thread
    bool m_ready = false;
    bool m_speaking = false;
};
