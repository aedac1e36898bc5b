#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>

#include <functional>
#include <vector>

// Remembers every request instead of making a sound.
class RecordingSoundPlayer final : public SoundPlayer
{
public:
    bool isSoundCardEnabled() const override { return hasCard; }
    void setEnabled(bool on) override { enabled = on; }
    void play(const QString &path) override { played.append(path); }
    void beep() override { ++beeps; }
    // Nothing plays out by itself: finishSound() ends the sound.
    void whenSilent(std::function<void()> done) override { waiting.push_back(std::move(done)); }

    void finishSound()
    {
        for (const auto &done : std::exchange(waiting, {}))
            done();
    }

    bool hasCard = true;
    bool enabled = false;
    QStringList played;
    int beeps = 0;
    std::vector<std::function<void()>> waiting;
};
