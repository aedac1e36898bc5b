#pragma once

#include "game/RoundObserver.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <span>

class GameView;
class GameState;
class RandomSource;
class SoundPlayback;
class WordChooser;

// One round of the game: drawing a word, evaluating guesses, and telling the main window what to
// show. It keeps the round's own data; the list in play and the switches come from GameState.
class GameRound
{
public:
    static constexpr int LetterCount = 28;
    static constexpr int SlotCount = 15;
    using Letters = std::array<QString, LetterCount>;

    // The guessable characters; entry i belongs to letter button i.
    static Letters letterSet();

    // The last remark shown of each kind, kept across rounds.
    struct LastRemarks
    {
        QString lose;
        QString miss;
        QString hit;
        QString win;
    };

    GameRound(const GameState &state, GameView &view, RandomSource &random, SoundPlayback &sound);

    // "New Word": starts a round from any state.
    void startRound();
    // A letter button: guesses letters[letter].
    void guess(int letter);

    const QString &word() const { return m_word; }
    const QString &lastWord() const { return m_lastWord; }
    int hits() const { return m_hits; }
    int misses() const { return m_misses; }
    int gallowsPicture() const { return m_gallowsPicture; }
    const LastRemarks &lastRemarks() const { return m_lastRemarks; }
    const Letters &letters() const { return m_letters; }

    // Whether a round has started and not yet been won or lost.
    bool isInRound() const { return m_inRound; }
    // The sentence of the word in play, if its list gave it one; empty between rounds.
    QString sentence() const;
    // The sentence was shown with the word blanked: the round ends as a hinted one.
    void markHinted();
    bool isHinted() const { return m_hinted; }
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
    void showGallowsPicture(int index);
    void setShownSlotToolTips(QStringView prefix);
    int shownSlotCount() const;
    void endRound(RoundResult result);

    const GameState &m_state;
    GameView &m_view;
    RandomSource &m_random;
    SoundPlayback &m_sound;

    QString m_word;
    QString m_lastWord;
    int m_hits = 0;
    int m_misses = 0;
    int m_gallowsPicture = 0;
    LastRemarks m_lastRemarks;
    const Letters m_letters = letterSet();
    QList<RoundObserver *> m_observers;
    WordChooser *m_chooser = nullptr;
    bool m_inRound = false;
    QString m_wrongLetters;
    bool m_hinted = false;
};
