#pragma once

#include "platform/Speaker.h"

#include <QStringList>

// Writes down what it was asked to do instead of speaking; its engine is there or missing as the
// test sets.
class FakeSpeaker final : public Speaker
{
    Q_OBJECT

public:
    Availability availability() const override { return state; }
    QString unavailableReason() const override { return reason; }
    void prepare() override { calls.append(QStringLiteral("prepare")); }
    void say(const QString &text) override { calls.append(QStringLiteral("say ") + text); }
    void stop() override { calls.append(QStringLiteral("stop")); }
    void sayInTurn(const QStringList &parts) override
    {
        calls.append(QStringLiteral("say ") + parts.join(QStringLiteral(" / ")));
    }
    void setVoice(const QString &name, double speed) override
    {
        voice = name;
        rate = speed;
    }
    void listVoices() override { Q_EMIT voicesListed(voiceNames, voiceLanguages); }

    void becomeUnavailable(const QString &why)
    {
        state = Availability::Unavailable;
        reason = why;
        Q_EMIT availabilityChanged(state);
    }

    Availability state = Availability::Ready;
    QString reason;
    // In order: "prepare", "say WORD", "say WORD / SENTENCE / WORD", "stop".
    QStringList calls;
    QString voice;
    double rate = 0;
    QStringList voiceNames;
    QStringList voiceLanguages;
};
