#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The desktop's speech engine as the game talks to it: the real one in the program, a script in
// tests. Nothing here blocks: an engine can take seconds to start, or never answer.
class Speaker : public QObject
{
    Q_OBJECT

public:
    enum class Availability { Unknown, Ready, Unavailable };

    using QObject::QObject;

    virtual Availability availability() const = 0;
    // Why there is no speech, in a sentence for the player; empty unless unavailable.
    virtual QString unavailableReason() const = 0;

    // Starts the engine, if it has not started yet, so that the first word need not wait for it.
    virtual void prepare() = 0;
    // Says the text in place of anything still being said; nothing when unavailable.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
    // Says the parts one after another, with a pause between, in place of anything still being
    // said: a dictation's word, sentence, word.
    virtual void sayInTurn(const QStringList &parts) = 0;
    // The voice by its name, empty for the engine's own English one, and the speed from -1
    // (slowest) to 1; kept for when the engine starts.
    virtual void setVoice(const QString &name, double rate) = 0;
    // Asks for the engine's voices, starting it if need be; voicesListed answers.
    virtual void listVoices() = 0;

Q_SIGNALS:
    // Once the engine has started or turned out to be missing.
    void availabilityChanged(Speaker::Availability availability);
    // When what say() asked for has been said or was stopped.
    void finished();
    // Each voice's name with its language ("en-GB"), in the same order; empty without speech.
    void voicesListed(const QStringList &names, const QStringList &languages);
};
