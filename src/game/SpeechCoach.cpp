#include "game/SpeechCoach.h"

#include "sound/SoundPlayback.h"

#include <QPointer>

SpeechCoach::SpeechCoach(Speaker &speaker, SoundPlayback &sound, MainWindowView &view)
    : m_speaker(speaker)
    , m_sound(sound)
    , m_view(view)
{
    // The menu is shown from start() on, once the window has built it.
    connect(&m_speaker, &Speaker::availabilityChanged, this, &SpeechCoach::showMenu);
}

void SpeechCoach::start(const QString &homeDir)
{
    m_preferences.emplace(homeDir);
    m_sayAtRoundEnd = m_preferences->sayWordAtRoundEnd();
    m_sayEachNewWord = m_preferences->sayEachNewWord();
    showMenu();
}

void SpeechCoach::sayAgain()
{
    if (m_inRound)
        say(m_word);
}

void SpeechCoach::setSayAtRoundEnd(bool on)
{
    m_sayAtRoundEnd = on;
    if (m_preferences)
        m_preferences->setSayWordAtRoundEnd(on);
    showMenu();
}

void SpeechCoach::setSayEachNewWord(bool on)
{
    m_sayEachNewWord = on;
    if (m_preferences)
        m_preferences->setSayEachNewWord(on);
    showMenu();
}

void SpeechCoach::roundStarted(const QString &word)
{
    cancel();
    m_inRound = true;
    m_word = word;
    if (m_sayEachNewWord)
        say(word);
    else if (m_sayAtRoundEnd && hasSpeech())
        // The engine may take seconds to start: let it do so while the child plays.
        m_speaker.prepare();
    showMenu();
}

void SpeechCoach::roundEnded(const Round &round)
{
    m_inRound = false;
    showMenu();
    if (round.result == Result::Abandoned || !m_sayAtRoundEnd)
        return;
    // The word comes after the round's own sound, never over it.
    const quint64 turn = ++m_turn;
    const QString word = round.word;
    m_sound.whenQuiet([coach = QPointer(this), turn, word] {
        if (coach && coach->m_turn == turn)
            coach->say(word);
    });
}

void SpeechCoach::say(const QString &word)
{
    ++m_turn;
    if (hasSpeech())
        m_speaker.say(word);
}

void SpeechCoach::cancel()
{
    ++m_turn;
    m_speaker.stop();
}

bool SpeechCoach::hasSpeech() const
{
    // Until the engine has started it is taken to be there: a missing one is known in time.
    return m_speaker.availability() != Speaker::Availability::Unavailable;
}

void SpeechCoach::showMenu()
{
    using MenuItem = MainWindowView::MenuItem;
    const bool speech = hasSpeech();
    const QString why = speech ? QString() : m_speaker.unavailableReason();
    for (const MenuItem item : {MenuItem::SayAgain, MenuItem::SayAtRoundEnd, MenuItem::SayNewWord,
             MenuItem::SpellingTest})
        m_view.setMenuToolTip(item, why);
    m_view.setMenuEnabled(MenuItem::SayAgain, speech && m_inRound);
    m_view.setMenuEnabled(MenuItem::SayAtRoundEnd, speech);
    m_view.setMenuEnabled(MenuItem::SayNewWord, speech);
    // A spelling test is all hearing: without speech there is none.
    m_view.setMenuEnabled(MenuItem::SpellingTest, speech);
    m_view.setMenuChecked(MenuItem::SayAtRoundEnd, m_sayAtRoundEnd);
    m_view.setMenuChecked(MenuItem::SayNewWord, m_sayEachNewWord);
}
