#include "core/ClockRandom.h"

#include "core/Clock.h"

namespace {
quint64 splitMix64(quint64 &state)
{
    quint64 z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
} // namespace

ClockRandom::ClockRandom(const Clock &clock)
    : m_clock(clock)
{
    reseed();
}

void ClockRandom::reseed()
{
    // Mixing both before combining them keeps the new sequence from being a shifted copy of one
    // seeded a tick or a re-seed earlier.
    quint64 ticks = quint64(m_clock.nanoseconds());
    quint64 count = ++m_reseedCount;
    m_state = splitMix64(ticks) ^ splitMix64(count);
}

double ClockRandom::draw()
{
    // The top 53 bits make a double in [0, 1) that can never reach 1.
    return double(splitMix64(m_state) >> 11) * 0x1.0p-53;
}
