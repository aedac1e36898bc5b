#pragma once

#include <QString>
#include <QStringView>

#include <span>

class GameView;
class Module1;
class RandomSource;
class SoundPlayback;

// One round of the game: drawing a word, evaluating guesses, and telling the main window what to
// show. The state it works on lives in Module1.
class GameRound
{
public:
    GameRound(Module1 &state, GameView &view, RandomSource &random, SoundPlayback &sound);

    // "New Word": starts a round from any state.
    void cmdStart_Click();
    // A letter button: guesses strLetters(Index).
    void cmdLetter_Click(qint16 Index);

private:
    void drawWord();
    void miss();
    void lose();
    void win();
    void showRemark(std::span<const QStringView> table, QString &lastShown);
    void playEndSound(std::span<const QStringView> table);
    void disableLetters();
    void showHangPicture(qint16 index);
    void setShownSlotToolTips(QStringView prefix);
    int shownSlotCount() const;

    Module1 &m_state;
    GameView &m_view;
    RandomSource &m_random;
    SoundPlayback &m_sound;
};
