#pragma once

#include "core/GameState.h"
#include "game/GameRound.h"
#include "game/RoundTexts.h"
#include "sound/SoundPlayback.h"
#include "support/FakeGameView.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;
using Label = GameView::Label;

// A round with a scripted random source, a fake window and a recording sound player.
class RoundFixture : public ::testing::Test
{
protected:
    RoundFixture()
    {
        state.homeDir = u"/nowhere"_s;
        state.soundCardFound = true;
    }

    // Starts a round on a one-word list, so the draw is certain.
    void startWith(const QString &word)
    {
        state.words = {word};
        random.script({0.0});
        round.startRound();
        ASSERT_EQ(round.word(), word);
    }

    void guess(QChar c) { round.guess(letterIndex(c)); }
    void guessAll(const QString &letters)
    {
        for (const QChar c : letters)
            guess(c);
    }

    static qint16 letterIndex(QChar c)
    {
        if (c == u'\'')
            return 26;
        if (c == u'-')
            return 27;
        return qint16(c.unicode() - u'A');
    }

    template<std::size_t N>
    static bool isIn(const std::array<QStringView, N> &table, const QString &text)
    {
        return std::find(table.begin(), table.end(), text) != table.end();
    }

    QString remark() { return view.label(Label::Remark).caption; }

    GameState state;
    FakeGameView view;
    ScriptedRandom random;
    RecordingSoundPlayer player;
    SoundPlayback sound{state, player};
    GameRound round{state, view, random, sound};
};
