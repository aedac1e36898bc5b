// Whole rounds, won and lost, through the round logic with a window that shows nothing.
#include "core/ClockRandom.h"
#include "core/GameState.h"
#include "core/SteadyClock.h"
#include "game/GameRound.h"
#include "game/GameView.h"
#include "platform/SoundPlayer.h"
#include "sound/SoundPlayback.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

class NullView final : public GameView
{
public:
    void setLabelVisible(Label, bool) override { }
    void setLabelText(Label, const QString &) override { }
    int remarkWidth() const override { return 1500; }
    void setRemarkLeft(int) override { }
    int innerWidth() const override { return 9504; }
    void setSlotVisible(int, bool) override { }
    void setSlotText(int, const QString &) override { }
    void setSlotToolTip(int, const QString &) override { }
    void setLetterEnabled(int, bool) override { }
    void setLetterColor(int, const QColor &) override { }
    void showGallowsPicture(int) override { }
};

class NullPlayer final : public SoundPlayer
{
public:
    bool isSoundCardEnabled() const override { return true; }
    void setEnabled(bool) override { }
    void play(const QString &) override { }
    void beep() override { }
};

// Plays rounds on two words to their end: every letter of the word, or six that are not in it.
void playRounds(benchmark::State &state, bool toWin)
{
    GameState module;
    module.words = {u"BECOME"_s, u"JUMPING"_s};
    module.soundCardFound = true;
    const QTemporaryDir home; // an empty home: no sound file to find
    module.homeDir = home.path();
    NullView view;
    NullPlayer player;
    SoundPlayback sound(module, player);
    SteadyClock clock;
    ClockRandom random(clock);
    GameRound round(module, view, random, sound);

    for (auto _ : state) {
        round.startRound();
        int misses = 0;
        for (int i = 0; i < GameRound::LetterCount && round.gallowsPicture() < 7; ++i) {
            const bool inWord = round.word().contains(round.letters()[i]);
            if (inWord == toWin || (!toWin && misses++ < 6))
                round.guess(i);
        }
        benchmark::DoNotOptimize(round.gallowsPicture());
    }
    if (round.gallowsPicture() != (toWin ? 8 : 7))
        state.SkipWithError("the round did not end as intended");
}

void BM_RoundWon(benchmark::State &state)
{
    playRounds(state, true);
}

void BM_RoundLost(benchmark::State &state)
{
    playRounds(state, false);
}

} // namespace

BENCHMARK(BM_RoundWon);
BENCHMARK(BM_RoundLost);
