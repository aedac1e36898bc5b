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

    void becomeUnavailable(const QString &why)
    {
        state = Availability::Unavailable;
        reason = why;
        Q_EMIT availabilityChanged(state);
    }

    Availability state = Availability::Ready;
    QString reason;
    // In order: "prepare", "say WORD", "stop".
    QStringList calls;
};
