#include "game/GameRound.h"

#include "core/GameState.h"
#include "core/RandomSource.h"
#include "game/GameView.h"
#include "game/RoundTexts.h"
#include "game/WordChooser.h"
#include "sound/SoundPlayback.h"

#include <algorithm>
#include <cmath>

using Label = GameView::Label;

namespace {
constexpr int LossThreshold = 5;
constexpr int LostPicture = 7;
constexpr int WonPicture = 8;

// A button finds its own character and, for a letter, the one lower-case letter that pairs with it
// both ways: 'k' for K, but not the dotless i, whose upper case is I but not the other way round.
bool finds(QStringView button, QChar character)
{
    if (button.size() != 1)
        return false;
    const QChar face = button[0];
    return character == face || (character.toUpper() == face && face.toLower() == character);
}

// What a slot shows for a character no button can guess: the character itself, a character
// outside the 16-bit range whole in the slot of its first half.
QString shownCharacter(QStringView word, qsizetype position)
{
    const bool pairStarts = word[position].isHighSurrogate() && position + 1 < word.size()
        && word[position + 1].isLowSurrogate();
    return word.mid(position, pairStarts ? 2 : 1).toString();
}
} // namespace

GameRound::Letters GameRound::letterSet()
{
    Letters letters;
    for (int i = 0; i < 26; ++i)
        letters[i] = QChar(char16_t(u'A' + i));
    letters[26] = QChar(u'\'');
    letters[27] = QChar(u'-');
    return letters;
}

GameRound::GameRound(
    const GameState &state, GameView &view, RandomSource &random, SoundPlayback &sound)
    : m_state(state)
    , m_view(view)
    , m_random(random)
    , m_sound(sound)
{
}

void GameRound::startRound()
{
    // With nothing to draw there is no round to start; the screen stays as it was.
    if (m_state.words.isEmpty())
        return;
    if (m_inRound)
        endRound(RoundResult::Abandoned);

    m_hits = 0;
    m_misses = 0;
    m_view.setLabelVisible(Label::Prompt, false);
    m_view.setLabelText(Label::Remark, QString());
    showGallowsPicture(0);
    for (int i = 0; i < LetterCount; ++i) {
        m_view.setLetterEnabled(i, true);
        m_view.setLetterColor(i, RoundTexts::availableColor);
    }

    drawWord();
    m_lastWord = m_word;

    for (int i = 0; i < SlotCount; ++i) {
        m_view.setSlotVisible(i, false);
        m_view.setSlotText(i, QString());
    }
    for (int i = 0; i < shownSlotCount(); ++i) {
        m_view.setSlotVisible(i, true);
        m_view.setSlotToolTip(i, RoundTexts::slotToolTip.toString());
    }
    revealUnguessable();

    m_view.setLabelText(Label::Spelling, RoundTexts::spellCaption.toString());
    m_view.setLabelVisible(Label::Spelling, true);
    m_view.setLabelText(Label::LettersHeading, RoundTexts::lettersHeading.toString());
    m_view.setLabelVisible(Label::LettersHeading, true);

    m_inRound = true;
    m_hinted = false;
    m_wrongLetters.clear();
    for (RoundObserver *observer : std::as_const(m_observers))
        observer->roundStarted(m_word);
}

void GameRound::drawWord()
{
    const WordList &list = m_state.words;
    const auto drawOne = [&] {
        return list.at(RandomSource::indexFor(m_random.draw(), int(list.size()))).toString();
    };
    m_random.reseed();
    if (m_chooser) {
        std::optional<QString> chosen = m_chooser->chooseWord(list, m_lastWord, m_random);
        if (chosen) {
            m_word = *std::move(chosen);
            return;
        }
    }

    // Draw until the word differs from the last round's. A list with no other word (one word, or
    // the same word throughout) would never end that loop: it takes a single draw instead.
    if (!list.containsOtherThan(m_lastWord)) {
        m_word = drawOne();
        return;
    }
    while (m_word == m_lastWord)
        m_word = drawOne();
}

// Hand-made lists may hold spaces, digits or accented letters. No button can find them, so they
// are shown and counted from the start; otherwise the round could never be won.
void GameRound::revealUnguessable()
{
    const QStringView word = m_word;
    for (qsizetype p = 0; p < word.size(); ++p) {
        if (isGuessable(word[p]))
            continue;
        if (p < SlotCount)
            m_view.setSlotText(int(p), shownCharacter(word, p));
        ++m_hits;
    }
}

bool GameRound::isGuessable(QChar character) const
{
    return std::any_of(m_letters.cbegin(), m_letters.cend(),
        [character](const QString &letter) { return finds(letter, character); });
}

void GameRound::guess(int letter)
{
    if (letter < 0 || letter >= LetterCount)
        return;

    m_view.setLetterColor(letter, RoundTexts::usedColor);
    m_view.setLetterEnabled(letter, false);

    const QString &character = m_letters[letter];
    const int before = m_hits;
    const QStringView word = m_word;
    for (qsizetype p = 0; p < word.size(); ++p) {
        if (finds(character, word[p])) {
            if (p < SlotCount)
                m_view.setSlotText(int(p), character);
            ++m_hits;
        }
    }

    if (m_hits == before) {
        ++m_misses;
        m_wrongLetters += character;
        if (m_misses > LossThreshold)
            lose();
        else
            miss();
    } else {
        showRemark(RoundTexts::hitRemarks, m_lastRemarks.hit);
    }

    if (m_word.size() == m_hits)
        win();
}

void GameRound::miss()
{
    showRemark(RoundTexts::missRemarks, m_lastRemarks.miss);
    showGallowsPicture(m_misses);
}

void GameRound::lose()
{
    playEndSound(RoundTexts::loseSounds);
    showRemark(RoundTexts::loseRemarks, m_lastRemarks.lose);
    disableLetters();
    showGallowsPicture(LostPicture);
    m_view.setLabelText(Label::Spelling, RoundTexts::lossSpellPrefix + m_word);
    m_view.setLabelText(Label::LettersHeading, QString());
    setShownSlotToolTips(RoundTexts::lossToolTipPrefix);
    endRound(RoundResult::Lost);
}

void GameRound::win()
{
    showGallowsPicture(WonPicture);
    playEndSound(RoundTexts::winSounds);
    showRemark(RoundTexts::winRemarks, m_lastRemarks.win);
    disableLetters();
    m_view.setLabelText(Label::Spelling, RoundTexts::winSpellCaption.toString());
    setShownSlotToolTips(RoundTexts::winToolTipPrefix);
    endRound(RoundResult::Won);
}

void GameRound::showRemark(std::span<const QStringView> table, QString &lastShown)
{
    m_random.reseed();
    m_view.setLabelVisible(Label::Remark, false);
    QStringView drawn;
    do {
        drawn = table[RandomSource::indexFor(m_random.draw(), int(table.size()))];
    } while (drawn == lastShown);
    m_view.setLabelText(Label::Remark, drawn.toString());
    lastShown = drawn.toString();

    const int labelWidth = m_view.remarkWidth();
    const double r = m_random.draw();
    const int innerWidth = m_view.innerWidth();
    m_view.setRemarkLeft(int(std::floor((innerWidth - labelWidth) * r + 1)));
    m_view.setLabelVisible(Label::Remark, true);
}

void GameRound::playEndSound(std::span<const QStringView> table)
{
    if (m_state.soundsOff)
        return;
    if (!m_state.soundCardFound) {
        m_sound.beep();
        return;
    }
    m_random.reseed();
    m_sound.play(table[RandomSource::indexFor(m_random.draw(), int(table.size()))]);
}

void GameRound::disableLetters()
{
    for (int i = 0; i < LetterCount; ++i)
        m_view.setLetterEnabled(i, false);
}

void GameRound::showGallowsPicture(int index)
{
    m_view.showGallowsPicture(index);
    m_gallowsPicture = index;
}

void GameRound::setShownSlotToolTips(QStringView prefix)
{
    const QString toolTip = prefix + m_word.toUpper() + u'.';
    for (int i = 0; i < shownSlotCount(); ++i)
        m_view.setSlotToolTip(i, toolTip);
}

int GameRound::shownSlotCount() const
{
    // The loader keeps words to the slots there are; a word set by other means shows no more.
    return std::min(int(m_word.size()), SlotCount);
}

void GameRound::endRound(RoundResult result)
{
    m_inRound = false;
    const RoundObserver::Round round{m_word, result, m_misses, m_wrongLetters, m_hinted};
    for (RoundObserver *observer : std::as_const(m_observers))
        observer->roundEnded(round);
}

QString GameRound::sentence() const
{
    return m_inRound ? m_state.sentences.of(m_word) : QString();
}

void GameRound::markHinted()
{
    if (m_inRound)
        m_hinted = true;
}
