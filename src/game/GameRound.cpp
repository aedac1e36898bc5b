#include "GameRound.h"

#include "GameView.h"
#include "Module1.h"
#include "RandomSource.h"
#include "RoundTexts.h"
#include "SoundPlayback.h"

#include <algorithm>
#include <cmath>

using Label = GameView::Label;

namespace {
constexpr int LossThreshold = 5;
constexpr qint16 LostPicture = 7;
constexpr qint16 WonPicture = 8;
} // namespace

GameRound::GameRound(Module1 &state, GameView &view, RandomSource &random, SoundPlayback &sound)
    : m_state(state)
    , m_view(view)
    , m_random(random)
    , m_sound(sound)
{
}

void GameRound::cmdStart_Click()
{
    // With nothing to draw there is no round to start; the screen stays as it was.
    if (m_state.strWordList.isEmpty())
        return;

    m_state.intRight = 0;
    m_state.intWrong = 0;
    m_view.setLabelVisible(Label::lblStart, false);
    m_view.setLabelCaption(Label::lblWin, QString());
    showHangPicture(0);
    for (int i = 0; i < Module1::LetterCount; ++i) {
        m_view.setLetterEnabled(i, true);
        m_view.setLetterBackColor(i, RoundTexts::availableColor);
    }

    drawWord();
    m_state.strLastWord = m_state.strWord;

    for (int i = 0; i < Module1::SlotCount; ++i) {
        m_view.setPickVisible(i, false);
        m_view.setPickCaption(i, QString());
    }
    for (int i = 0; i < shownSlotCount(); ++i) {
        m_view.setPickVisible(i, true);
        m_view.setPickToolTip(i, RoundTexts::slotToolTip.toString());
    }

    m_view.setLabelCaption(Label::lblSpell, RoundTexts::spellCaption.toString());
    m_view.setLabelVisible(Label::lblSpell, true);
    m_view.setLabelCaption(Label::lblButtons, RoundTexts::buttonsCaption.toString());
    m_view.setLabelVisible(Label::lblButtons, true);
}

void GameRound::drawWord()
{
    const WordList &list = m_state.strWordList;
    const auto drawOne = [&] {
        return list.at(RandomSource::indexFor(m_random.draw(), int(list.size()))).toString();
    };
    m_random.reseed();

    // Draw until the word differs from the last round's. A list with no other word (one word, or
    // the same word throughout) would never end that loop: it takes a single draw instead.
    if (!list.containsOtherThan(m_state.strLastWord)) {
        m_state.strWord = drawOne();
        return;
    }
    while (m_state.strWord == m_state.strLastWord)
        m_state.strWord = drawOne();
}

void GameRound::cmdLetter_Click(qint16 Index)
{
    if (Index < 0 || Index >= Module1::LetterCount)
        return;

    m_view.setLetterBackColor(Index, RoundTexts::usedColor);
    m_view.setLetterEnabled(Index, false);

    const QString &letter = m_state.strLetters[Index];
    const qint16 before = m_state.intRight;
    const QStringView word = m_state.strWord;
    for (qsizetype p = 0; p < word.size(); ++p) {
        if (word.mid(p, 1) == letter) {
            if (p < Module1::SlotCount)
                m_view.setPickCaption(int(p), letter);
            ++m_state.intRight;
        }
    }

    if (m_state.intRight == before) {
        ++m_state.intWrong;
        if (m_state.intWrong > LossThreshold)
            lose();
        else
            miss();
    } else {
        showRemark(RoundTexts::hitRemarks, m_state.strLastHitRemark);
    }

    if (m_state.strWord.size() == m_state.intRight)
        win();
}

void GameRound::miss()
{
    showRemark(RoundTexts::missRemarks, m_state.strLastMissRemark);
    showHangPicture(m_state.intWrong);
}

void GameRound::lose()
{
    playEndSound(RoundTexts::loseSounds);
    showRemark(RoundTexts::loseRemarks, m_state.strLastLoseRemark);
    disableLetters();
    showHangPicture(LostPicture);
    m_view.setLabelCaption(Label::lblSpell, RoundTexts::lossSpellPrefix + m_state.strWord);
    m_view.setLabelCaption(Label::lblButtons, QString());
    setShownSlotToolTips(RoundTexts::lossToolTipPrefix);
}

void GameRound::win()
{
    showHangPicture(WonPicture);
    playEndSound(RoundTexts::winSounds);
    showRemark(RoundTexts::winRemarks, m_state.strLastWinRemark);
    disableLetters();
    m_view.setLabelCaption(Label::lblSpell, RoundTexts::winSpellCaption.toString());
    setShownSlotToolTips(RoundTexts::winToolTipPrefix);
}

void GameRound::showRemark(std::span<const QStringView> table, QString &lastShown)
{
    m_random.reseed();
    m_view.setLabelVisible(Label::lblWin, false);
    QStringView drawn;
    do {
        drawn = table[RandomSource::indexFor(m_random.draw(), int(table.size()))];
    } while (drawn == lastShown);
    m_view.setLabelCaption(Label::lblWin, drawn.toString());
    lastShown = drawn.toString();

    const int labelWidth = m_view.lblWinWidth();
    const double r = m_random.draw();
    const int innerWidth = m_view.innerWidth();
    m_view.setLblWinLeft(int(std::floor((innerWidth - labelWidth) * r + 1)));
    m_view.setLabelVisible(Label::lblWin, true);
}

void GameRound::playEndSound(std::span<const QStringView> table)
{
    if (m_state.blnSoundOff)
        return;
    if (!m_state.blnSoundCard) {
        m_sound.Beep();
        return;
    }
    m_random.reseed();
    m_sound.PlaySound(table[RandomSource::indexFor(m_random.draw(), int(table.size()))]);
}

void GameRound::disableLetters()
{
    for (int i = 0; i < Module1::LetterCount; ++i)
        m_view.setLetterEnabled(i, false);
}

void GameRound::showHangPicture(qint16 index)
{
    m_view.showHangPicture(index);
    m_state.intHang = index;
}

void GameRound::setShownSlotToolTips(QStringView prefix)
{
    const QString toolTip = prefix + m_state.strWord.toUpper() + u'.';
    for (int i = 0; i < shownSlotCount(); ++i)
        m_view.setPickToolTip(i, toolTip);
}

int GameRound::shownSlotCount() const
{
    // The loader keeps words to the slots there are; a word set by other means shows no more.
    return std::min(int(m_state.strWord.size()), int(Module1::SlotCount));
}
