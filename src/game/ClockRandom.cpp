#include "ClockRandom.h"

#include "Clock.h"

ClockRandom::ClockRandom(const Clock &clock)
    : m_clock(clock)
{
    reseed();
}

void ClockRandom::reseed()
{
    const auto ticks = quint64(m_clock.nanoseconds());
    ++m_reseedCount;
    std::seed_seq seeds {
        quint32(ticks), quint32(ticks >> 32), quint32(m_reseedCount), quint32(m_reseedCount >> 32)};
    m_engine.seed(seeds);
}

double ClockRandom::draw()
{
    // The top 53 bits make a double in [0, 1) that can never reach 1.
    return double(m_engine() >> 11) * 0x1.0p-53;
}
