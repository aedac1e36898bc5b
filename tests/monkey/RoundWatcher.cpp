#include "monkey/RoundWatcher.h"

#include "app/LetterButton.h"
#include "app/MainWindow.h"
#include "core/GameState.h"
#include "ui/PictureBox.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The button that finds character c: its own, or the upper case of a letter that turns back into
// c; -1 when none does, and the round shows c from the start.
int finder(QChar c)
{
    static const std::array<QString, GameRound::LetterCount> letters = GameRound::letterSet();
    const QString character(c);
    const QString upper = character.toUpper();
    for (int i = 0; i < GameRound::LetterCount; ++i) {
        if (letters.at(i) == character
            || (upper == letters.at(i) && letters.at(i).toLower() == character))
            return i;
    }
    return -1;
}

} // namespace

void RoundWatcher::attach(MainWindow &window, const GameState &state)
{
    detach();
    m_window = &window;
    m_state = &state;
    // Connected after the window's own handlers: these run once the round has reacted.
    QObject::connect(window.findChild<QPushButton *>(u"cmdStart"_s), &QPushButton::clicked,
        m_context.get(), [this] { started(); });
    for (int i = 0; i < GameRound::LetterCount; ++i)
        QObject::connect(window.letterButton(i), &QPushButton::clicked, m_context.get(),
            [this, i] { guessed(i); });
}

void RoundWatcher::detach()
{
    // The connections go with their context.
    m_context = std::make_unique<QObject>();
    m_window = nullptr;
    m_state = nullptr;
    m_running = false;
    m_word.clear();
    m_guessed.fill(false);
    m_ownProblems.clear();
}

void RoundWatcher::started()
{
    // With no word to draw, New Word changes nothing.
    if (m_state->words.isEmpty())
        return;
    m_running = true;
    m_word = m_window->round().word();
    m_guessed.fill(false);
    ++m_rounds;
    if (m_word.isEmpty())
        m_ownProblems.append(u"New Word drew an empty word"_s);
}

void RoundWatcher::guessed(int index)
{
    if (!m_running || won() || lost()) {
        m_ownProblems.append(u"letter %1 was clicked with no round running"_s.arg(index));
        return;
    }
    if (m_guessed.at(index))
        m_ownProblems.append(u"letter %1 was guessed twice in one round"_s.arg(index));
    m_guessed.at(index) = true;
    if (won())
        ++m_wins;
    else if (lost())
        ++m_losses;
}

int RoundWatcher::right() const
{
    int count = 0;
    for (const QChar c : m_word) {
        const int letter = finder(c);
        if (letter < 0 || m_guessed.at(letter))
            ++count;
    }
    return count;
}

int RoundWatcher::wrong() const
{
    std::array<bool, GameRound::LetterCount> inWord{};
    for (const QChar c : m_word) {
        const int letter = finder(c);
        if (letter >= 0)
            inWord.at(letter) = true;
    }
    int count = 0;
    for (int i = 0; i < GameRound::LetterCount; ++i) {
        if (m_guessed.at(i) && !inWord.at(i))
            ++count;
    }
    return count;
}

bool RoundWatcher::won() const
{
    // Even a word with nothing to guess waits for a first click, as an empty word does.
    const bool clicked = std::find(m_guessed.cbegin(), m_guessed.cend(), true) != m_guessed.cend();
    return clicked && right() == m_word.size();
}

QStringList RoundWatcher::problems() const
{
    QStringList found = m_ownProblems;
    if (!m_window)
        return found;
    const GameRound &round = m_window->round();

    // The bounds hold whatever happened.
    if (round.hits() < 0 || round.hits() > round.word().size())
        found.append(u"hits %1 outside 0..%2"_s.arg(round.hits()).arg(round.word().size()));
    if (round.misses() < 0 || round.misses() > 6)
        found.append(u"misses %1 outside 0..6"_s.arg(round.misses()));
    if (round.gallowsPicture() < 0 || round.gallowsPicture() > 8 || round.gallowsPicture() == 6)
        found.append(
            u"gallowsPicture %1 is no picture the game shows"_s.arg(round.gallowsPicture()));

    if (m_running) {
        const int hang = won() ? 8 : lost() ? 7 : wrong();
        if (round.word() != m_word)
            found.append(
                u"the word changed from %1 to %2 within a round"_s.arg(m_word, round.word()));
        if (round.hits() != right() || round.misses() != wrong() || round.gallowsPicture() != hang)
            found.append(u"word %1: right/wrong/hang %2/%3/%4, expected %5/%6/%7"_s.arg(m_word)
                             .arg(round.hits())
                             .arg(round.misses())
                             .arg(round.gallowsPicture())
                             .arg(right())
                             .arg(wrong())
                             .arg(hang));
    }
    problemsOfLetters(found);
    problemsOfSlots(found);
    return found;
}

void RoundWatcher::problemsOfLetters(QStringList &found) const
{
    const bool playing = m_running && !won() && !lost();
    for (int i = 0; i < GameRound::LetterCount; ++i) {
        const bool expected = playing && !m_guessed.at(i);
        if (m_window->letterButton(i)->isEnabled() != expected)
            found.append(u"letter button %1 (%2) is %3"_s.arg(i)
                             .arg(m_window->round().letters().at(i))
                             .arg(expected ? u"disabled"_s : u"enabled"_s));
        if (m_window->letterButton(i)->accessibleName() != m_window->round().letters().at(i))
            found.append(u"letter button %1 shows %2"_s.arg(i).arg(
                m_window->letterButton(i)->accessibleName()));
    }
}

void RoundWatcher::problemsOfSlots(QStringList &found) const
{
    int pictures = 0;
    for (int i = 0; i < 9; ++i) {
        if (!m_window->gallowsPicture(i)->isHidden()) {
            ++pictures;
            if (i != m_window->round().gallowsPicture())
                found.append(u"gallows picture %1 shown for gallowsPicture %2"_s.arg(i).arg(
                    m_window->round().gallowsPicture()));
        }
    }
    if (pictures != 1)
        found.append(u"%1 gallows pictures shown"_s.arg(pictures));
    using Label = GameView::Label;
    // "Click here to start" until the first round; the spelling lines from then on.
    if (m_window->label(Label::Prompt)->isHidden() != m_running
        || m_window->label(Label::Spelling)->isHidden() == m_running
        || m_window->label(Label::LettersHeading)->isHidden() == m_running)
        found.append(m_running
                ? u"the start prompt or the spelling lines are wrong in a round"_s
                : u"the start prompt or the spelling lines are wrong before a round"_s);
    if (!m_running)
        return;

    const std::array<QString, GameRound::LetterCount> letters = GameRound::letterSet();
    const bool over = won() || lost();
    for (int i = 0; i < GameRound::SlotCount; ++i) {
        QLabel *slot = m_window->slot(i);
        const bool shown = i < m_word.size();
        if (slot->isHidden() == shown) {
            found.append(u"slot %1 %2 for a word of %3 characters"_s.arg(i)
                             .arg(shown ? u"hidden"_s : u"shown"_s)
                             .arg(m_word.size()));
            continue;
        }
        if (!shown)
            continue;
        const QString character = m_word.mid(i, 1);
        const int letter = finder(m_word.at(i));
        // Shown from the start, a character beyond 16 bits whole in its first slot; a letter as
        // on its button once guessed. A lost round tells the word below the slots, not in them.
        const bool pair = m_word.at(i).isHighSurrogate() && i + 1 < m_word.size()
            && m_word.at(i + 1).isLowSurrogate();
        const QString expected = letter < 0 ? m_word.mid(i, pair ? 2 : 1)
            : m_guessed.at(letter)          ? letters.at(letter)
                                            : QString();
        if (slot->text() != expected)
            found.append(u"slot %1 shows '%2' for %3 in %4%5"_s.arg(i).arg(
                slot->text(), character, m_word, over ? u" (round over)"_s : QString()));
    }
}
