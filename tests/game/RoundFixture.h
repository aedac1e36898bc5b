#pragma once

#include "FakeGameView.h"
#include "GameRound.h"
#include "Module1.h"
#include "RecordingSoundPlayer.h"
#include "RoundTexts.h"
#include "ScriptedRandom.h"
#include "SoundPlayback.h"

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
        state.strLetters = Module1::letterSet();
        state.varHomeDir = u"/nowhere"_s;
        state.blnSoundCard = true;
    }

    // Starts a round on a one-word list, so the draw is certain.
    void startWith(const QString &word)
    {
        state.strWordList = {word};
        random.script({0.0});
        round.cmdStart_Click();
        ASSERT_EQ(state.strWord, word);
    }

    void guess(QChar c) { round.cmdLetter_Click(letterIndex(c)); }
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

    QString remark() { return view.label(Label::lblWin).caption; }

    Module1 state;
    FakeGameView view;
    ScriptedRandom random;
    RecordingSoundPlayer player;
    SoundPlayback sound{state, player};
    GameRound round{state, view, random, sound};
};
