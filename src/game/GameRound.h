#pragma once

#include "game/RoundObserver.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <span>

class GameView;
class GameState;
class RandomSource;
class SoundPlayback;
class WordChooser;

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

    // Whether a round has started and not yet been won or lost.
    bool isInRound() const { return m_inRound; }
    // Observers outlive the round; they are told in the order they were added.
    void addObserver(RoundObserver *observer) { m_observers.append(observer); }
    // Asked first for each round's word; null leaves the draw to the round alone.
    void setWordChooser(WordChooser *chooser) { m_chooser = chooser; }

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
    void endRound(RoundObserver::Result result);

    GameState &m_state;
    GameView &m_view;
    RandomSource &m_random;
    SoundPlayback &m_sound;
    QList<RoundObserver *> m_observers;
    WordChooser *m_chooser = nullptr;
    bool m_inRound = false;
    QString m_wrongLetters;
};
