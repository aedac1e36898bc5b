#pragma once

#include <QString>
#include <QStringView>

#include <span>

class GameView;
class GameState;
class RandomSource;
class SoundPlayback;

// One round of the game: drawing a word, evaluating guesses, and telling the main window what to
// show. The state it works on lives in GameState.
class GameRound
{
public:
    GameRound(GameState &state, GameView &view, RandomSource &random, SoundPlayback &sound);

    // "New Word": starts a round from any state.
    void startRound();
    // A letter button: guesses letters[letter].
    void guess(int letter);

private:
    void drawWord();
    void revealUnguessable();
    bool isGuessable(QChar character) const;
    void miss();
    void lose();
    void win();
    void showRemark(std::span<const QStringView> table, QString &lastShown);
    void playEndSound(std::span<const QStringView> table);
    void disableLetters();
    void showGallowsPicture(qint16 index);
    void setShownSlotToolTips(QStringView prefix);
    int shownSlotCount() const;

    GameState &m_state;
    GameView &m_view;
    RandomSource &m_random;
    SoundPlayback &m_sound;
};
