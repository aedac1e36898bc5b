#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVoice>

class QTextToSpeech;

// The speech thread's side of the speaker: starts the engine, which can take seconds (it lists
// every voice it has, and may have to start the speech service first), and speaks.
class SpeechWorker : public QObject
{
    Q_OBJECT

public:
    // Slower than the engine's usual pace (0), so that a young child hears every sound of the
    // word; any slower and espeak-ng draws the word out until it no longer sounds like one.
    static constexpr double ChildRate = -0.3;

    explicit SpeechWorker(QString engine);

    // On the speech thread: each starts the engine first if need be.
    void setUp();
    void say(const QString &text);
    void sayInTurn(const QStringList &parts);
    void stop();
    void setVoice(const QString &name, double rate);
    void listVoices();

Q_SIGNALS:
    // Once, after the first setUp(): whether the engine speaks, and if not, why.
    void started(bool ready, const QString &reason);
    void finished();
    void voicesListed(const QStringList &names, const QStringList &languages);

private:
    struct Voice
    {
        QLocale locale;
        QVoice voice;
    };

    void chooseVoice();
    void sayNext();
    const QList<Voice> &voices();

    const QString m_engine;
    QTextToSpeech *m_speech = nullptr; // a child, deleted with the worker on its thread
    bool m_ready = false;
    bool m_speaking = false;
    QString m_voiceName;
    double m_rate = ChildRate;
    // What is still to be said, after a pause, once the engine is done with the part before.
    QStringList m_queue;
    // Counts what was asked for: a pause that a newer request came into says nothing after it.
    quint64 m_turn = 0;
    QList<Voice> m_voices;
    bool m_voicesListed = false;
};
