#pragma once

#include "RandomSource.h"

#include <QtGlobal>

#include <random>

class Clock;

// The game's real random source: a Mersenne Twister re-seeded from the clock. Every re-seed also
// mixes in how many re-seeds came before, so two within one clock tick start different sequences.
class ClockRandom final : public RandomSource
{
public:
    explicit ClockRandom(const Clock &clock);

    void reseed() override;
    double draw() override;

private:
    const Clock &m_clock;
    std::mt19937_64 m_engine;
    quint64 m_reseedCount = 0;
};
