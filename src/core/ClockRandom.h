#pragma once

#include "core/RandomSource.h"

#include <QtGlobal>

class Clock;

// The game's real random source, re-seeded from the clock before each group of draws (several
// times a click), so seeding must be cheap: SplitMix64, whose every state is a fresh start. Each
// re-seed also mixes in how many came before, so two within one clock tick differ.
class ClockRandom final : public RandomSource
{
public:
    explicit ClockRandom(const Clock &clock);

    void reseed() override;
    double draw() override;

private:
    const Clock &m_clock;
    quint64 m_state = 0;
    quint64 m_reseedCount = 0;
};
