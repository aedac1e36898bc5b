// Whole rounds, won and lost, through the round logic with a window that shows nothing.
#include "ClockRandom.h"
#include "GameRound.h"
#include "GameView.h"
#include "Module1.h"
#include "SoundPlayback.h"
#include "SoundPlayer.h"
#include "SteadyClock.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

class NullView final : public GameView
{
public:
    void setLabelVisible(Label, bool) override { }
    void setLabelCaption(Label, const QString &) override { }
    int lblWinWidth() const override { return 1500; }
    void setLblWinLeft(int) override { }
    int innerWidth() const override { return 9504; }
    void setPickVisible(int, bool) override { }
    void setPickCaption(int, const QString &) override { }
    void setPickToolTip(int, const QString &) override { }
    void setLetterEnabled(int, bool) override { }
    void setLetterBackColor(int, quint32) override { }
    void showHangPicture(int) override { }
};

class NullPlayer final : public SoundPlayer
{
public:
    bool isSoundCardEnabled() const override { return true; }
    void setEnabled(bool) override { }
    void setFileName(const QString &) override { }
    void beep() override { }
};

// Plays rounds on two words to their end: every letter of the word, or six that are not in it.
void playRounds(benchmark::State &state, bool toWin)
{
    Module1 module;
    module.strLetters = Module1::letterSet();
    module.strWordList = {u"BECOME"_s, u"JUMPING"_s};
    module.blnSoundCard = true;
    const QTemporaryDir home; // an empty home: no sound file to find
    module.varHomeDir = home.path();
    NullView view;
    NullPlayer player;
    SoundPlayback sound(module, player);
    SteadyClock clock;
    ClockRandom random(clock);
    GameRound round(module, view, random, sound);

    for (auto _ : state) {
        round.cmdStart_Click();
        int misses = 0;
        for (qint16 i = 0; i < Module1::LetterCount && module.intHang < 7; ++i) {
            const bool inWord = module.strWord.contains(module.strLetters[i]);
            if (inWord == toWin || (!toWin && misses++ < 6))
                round.cmdLetter_Click(i);
        }
        benchmark::DoNotOptimize(module.intHang);
    }
    if (module.intHang != (toWin ? 8 : 7))
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
