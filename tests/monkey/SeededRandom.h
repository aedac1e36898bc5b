#pragma once

#include "core/RandomSource.h"

#include <cstdint>
#include <random>

// The game's draws from a seeded engine shared with the rest of the run, so that one seed replays
// every choice. Reseeding would bring the clock in: it leaves the sequence alone.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::mt19937_64 &engine)
        : m_engine(engine)
    {
    }

    void reseed() override { }
    // The top 53 bits as a fraction: strictly below 1, unlike some library distributions.
    double draw() override { return double(m_engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 &m_engine;
};
