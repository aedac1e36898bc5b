#pragma once

#include "platform/Speaker.h"

#include <QStringList>

// Remembers what it was asked to say instead of saying it; its engine is there or missing as the
// test sets.
class FakeSpeaker final : public Speaker
{
    Q_OBJECT

public:
    Availability availability() const override { return state; }
    QString unavailableReason() const override { return reason; }
    void prepare() override { ++prepares; }
    void say(const QString &text) override { said.append(text); }
    void stop() override { ++stops; }

    void becomeUnavailable(const QString &why)
    {
        state = Availability::Unavailable;
        reason = why;
        Q_EMIT availabilityChanged(state);
    }

    Availability state = Availability::Ready;
    QString reason;
    QStringList said;
    int stops = 0;
    int prepares = 0;
};
