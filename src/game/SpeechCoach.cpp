#include "game/SpeechCoach.h"

#include "game/MenuAction.h"
#include "sound/SoundPlayback.h"

#include <QPointer>

using namespace Qt::StringLiterals;

SpeechCoach::SpeechCoach(Speaker &speaker, SoundPlayback &sound, QObject *parent)
    : QObject(parent)
    , m_speaker(speaker)
    , m_sound(sound)
    , m_sayAgainAction(newMenuAction(this, u"Say the Word &Again"_s, u"mnuPracticeSayAgain"_s,
          QKeySequence(Qt::CTRL | Qt::Key_R)))
    , m_separator(newMenuSeparator(this))
    , m_sayAtRoundEndAction(
          newMenuAction(this, u"Say the Word When a Round &Ends"_s, u"mnuPracticeSayAtEnd"_s))
    , m_sayNewWordAction(newMenuAction(this, u"Say Each &New Word"_s, u"mnuPracticeSayNew"_s))
    , m_voiceAction(newMenuAction(this, u"&Voice..."_s, u"mnuPracticeVoice"_s))
{
    // Until start() has read the options, nothing is said again and the checks are unset.
    m_sayAgainAction->setEnabled(false);
    for (QAction *option : {m_sayAtRoundEndAction, m_sayNewWordAction})
        option->setCheckable(true);
    connect(m_sayAgainAction, &QAction::triggered, this, &SpeechCoach::sayAgain);
    connect(m_sayAtRoundEndAction, &QAction::triggered, this, &SpeechCoach::setSayAtRoundEnd);
    connect(m_sayNewWordAction, &QAction::triggered, this, &SpeechCoach::setSayEachNewWord);
    connect(m_voiceAction, &QAction::triggered, this, &SpeechCoach::voiceDialogWanted);
    connect(&m_speaker, &Speaker::availabilityChanged, this, &SpeechCoach::showMenu);
}

QList<QAction *> SpeechCoach::actions() const
{
    return {
        m_sayAgainAction, m_separator, m_sayAtRoundEndAction, m_sayNewWordAction, m_voiceAction};
}

void SpeechCoach::start(Preferences &preferences)
{
    m_preferences = &preferences;
    m_sayAtRoundEnd = m_preferences->sayWordAtRoundEnd();
    m_sayEachNewWord = m_preferences->sayEachNewWord();
    // Only kept for the engine: it starts when first needed, not now.
    m_speaker.setVoice(m_preferences->voice(), m_preferences->speechRate());
    showMenu();
}

void SpeechCoach::sayAgain()
{
    if (m_inRound)
        sayWithSentence(m_word);
}

QString SpeechCoach::voice() const
{
    return m_preferences ? m_preferences->voice() : QString();
}

double SpeechCoach::speechRate() const
{
    return m_preferences ? m_preferences->speechRate() : Preferences::DefaultSpeechRate;
}

bool SpeechCoach::setVoice(const QString &name, double rate)
{
    m_speaker.setVoice(name, rate);
    return !m_preferences || m_preferences->setVoice(name, rate);
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
    if (round.result == RoundResult::Abandoned || !m_sayAtRoundEnd)
        return;
    // The word comes after the round's own sound, never over it.
    const quint64 turn = ++m_turn;
    const QString word = round.word;
    m_sound.whenQuiet([coach = QPointer(this), turn, word] {
        if (coach && coach->m_turn == turn)
            coach->sayWithSentence(word);
    });
}

void SpeechCoach::sayWithSentence(const QString &word)
{
    const QString sentence = m_sentenceOf ? m_sentenceOf(word) : QString();
    if (sentence.isEmpty()) {
        say(word);
        return;
    }
    ++m_turn;
    if (hasSpeech())
        m_speaker.sayInTurn({word, sentence});
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
    const bool speech = hasSpeech();
    const QString why = speech ? QString() : m_speaker.unavailableReason();
    for (QAction *item :
        {m_sayAgainAction, m_sayAtRoundEndAction, m_sayNewWordAction, m_voiceAction})
        item->setToolTip(why);
    m_voiceAction->setEnabled(speech);
    m_sayAgainAction->setEnabled(speech && m_inRound);
    m_sayAtRoundEndAction->setEnabled(speech);
    m_sayNewWordAction->setEnabled(speech);
    m_sayAtRoundEndAction->setChecked(m_sayAtRoundEnd);
    m_sayNewWordAction->setChecked(m_sayEachNewWord);
    Q_EMIT speechChanged(speech, why);
}
