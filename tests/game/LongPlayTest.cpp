#include "core/ClockRandom.h"
#include "core/GameState.h"
#include "core/SteadyClock.h"
#include "game/GameRound.h"
#include "sound/SoundPlayback.h"
#include "support/FakeGameView.h"
#include "support/RecordingSoundPlayer.h"
#include "wordlists/BuiltInWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The real random source, passed through so that the test sees which entry each round drew:
// the word alone cannot tell the list's two WENTs apart.
class WatchedRandom final : public RandomSource
{
public:
    explicit WatchedRandom(RandomSource &source)
        : m_source(source)
    {
    }
    void reseed() override { m_source.reseed(); }
    double draw() override { return lastDraw = m_source.draw(); }

    double lastDraw = -1.0;

private:
    RandomSource &m_source;
};

constexpr int Rounds = 100'000;

// Many rounds on the default list, as the game plays them, drawn by the clock-seeded source.
TEST(LongPlayTest, DrawsEveryEntryUniformlyAndNeverTheSameWordTwiceInARow)
{
    GameState state;
    state.words = BuiltInWords::words();
    const int entries = int(state.words.size());
    ASSERT_EQ(entries, 463);
    ASSERT_EQ(state.words.at(428), u"WENT"_s);
    ASSERT_EQ(state.words.at(435), u"WENT"_s);

    SteadyClock clock;
    ClockRandom clockRandom(clock);
    WatchedRandom random(clockRandom);
    FakeGameView view;
    RecordingSoundPlayer player;
    SoundPlayback sound(state, player);
    GameRound round(state, view, random, sound);

    std::vector<int> drawn(std::size_t(entries), 0);
    QString previous;
    int repeats = 0;
    for (int i = 0; i < Rounds; ++i) {
        round.startRound();
        // The round's word comes from the last draw; anything else means a draw went elsewhere.
        const int index = RandomSource::indexFor(random.lastDraw, entries);
        ASSERT_EQ(state.words.at(index), round.word()) << "round " << i;
        ++drawn[std::size_t(index)];
        repeats += round.word() == previous;
        previous = round.word();
    }

    EXPECT_EQ(repeats, 0);
    EXPECT_EQ(std::count(drawn.cbegin(), drawn.cend(), 0), 0) << "some entries never came up";
    EXPECT_GT(drawn[428], 0);
    EXPECT_GT(drawn[435], 0);

    // Chi-square over the entries, 462 degrees of freedom: mean 462, standard deviation about 30.
    // 650 lies more than five deviations out, so a fair source fails about once in 10^7 runs,
    // while a skew as small as one entry in ten drawn half as often lands well above it.
    const double expected = double(Rounds) / entries;
    double chiSquare = 0.0;
    for (const int count : drawn)
        chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, 650.0);
    std::printf("%d rounds, %d entries, chi-square %.1f (fewest %d, most %d draws)\n", Rounds,
        entries, chiSquare, *std::min_element(drawn.cbegin(), drawn.cend()),
        *std::max_element(drawn.cbegin(), drawn.cend()));
}

} // namespace
