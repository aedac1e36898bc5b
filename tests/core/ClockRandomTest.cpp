#include "core/ClockRandom.h"
#include "core/Clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FrozenClock final : public Clock
{
public:
    qint64 nanoseconds() const override { return 1'234'567; }
    QDateTime now() const override { return {}; }
};

std::vector<double> drawMany(RandomSource &random, int count)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.draw());
    return values;
}

TEST(ClockRandom, ReseedsWithinOneClockTickStartNewSequences)
{
    const FrozenClock clock;
    ClockRandom random(clock);
    random.reseed();
    const auto first = drawMany(random, 8);
    random.reseed();
    const auto second = drawMany(random, 8);
    EXPECT_NE(first, second);
}

TEST(ClockRandom, DrawsStayInTheHalfOpenUnitRangeAndSpreadOverIt)
{
    const FrozenClock clock;
    ClockRandom random(clock);
    std::vector<int> buckets(10, 0);
    for (const double r : drawMany(random, 100'000)) {
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++buckets[RandomSource::indexFor(r, 10)];
    }
    for (const int count : buckets)
        EXPECT_NEAR(count, 10'000, 600);
}

TEST(RandomSource, IndexForStaysInsideTheTable)
{
    EXPECT_EQ(RandomSource::indexFor(0.0, 21), 0);
    EXPECT_EQ(RandomSource::indexFor(0.5, 20), 10);
    // (1 - 2^-53) * 21 rounds up to exactly 21 in doubles.
    EXPECT_EQ(RandomSource::indexFor(std::nextafter(1.0, 0.0), 21), 20);
    EXPECT_EQ(RandomSource::indexFor(std::nextafter(1.0, 0.0), 32767), 32766);
}

} // namespace
