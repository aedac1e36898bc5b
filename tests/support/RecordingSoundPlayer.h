#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>

// Remembers every request instead of making a sound.
class RecordingSoundPlayer final : public SoundPlayer
{
public:
    bool isSoundCardEnabled() const override { return hasCard; }
    void setEnabled(bool on) override { enabled = on; }
    void play(const QString &path) override { played.append(path); }
    void beep() override { ++beeps; }

    bool hasCard = true;
    bool enabled = false;
    QStringList played;
    int beeps = 0;
};
