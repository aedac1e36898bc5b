#pragma once

#include "game/RoundObserver.h"
#include "platform/Speaker.h"
#include "wordlists/Preferences.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class SoundPlayback;

// Decides when the word is said, so that a child can practise spelling what they hear: at the
// end of a round once its sound is over, as a new word comes up when asked for, and again on
// request. One word is never said over another. Also owns the Practice menu's speech items.
class SpeechCoach : public QObject, public RoundObserver
{
    Q_OBJECT

public:
    SpeechCoach(Speaker &speaker, SoundPlayback &sound, QObject *parent = nullptr);

    // Reads the options from the game's one preferences, once start-up has found them, and
    // keeps them there.
    void start(Preferences &preferences);

    // Where a word's sentence is found, said after the word; none are said without it.
    void setSentenceSource(std::function<QString(const QString &)> sentenceOf)
    {
        m_sentenceOf = std::move(sentenceOf);
    }
    // The voice and speed chosen in the Voice dialog, for the speaker and the preferences file.
    bool setVoice(const QString &name, double rate);
    QString voice() const;
    double speechRate() const;

    // The Practice menu's speech items, in their order, and its commands.
    QList<QAction *> actions() const;
    QAction *sayAgainAction() const { return m_sayAgainAction; }
    QAction *sayAtRoundEndAction() const { return m_sayAtRoundEndAction; }
    QAction *sayNewWordAction() const { return m_sayNewWordAction; }
    QAction *voiceAction() const { return m_voiceAction; }
    void sayAgain();
    void setSayAtRoundEnd(bool on);
    void setSayEachNewWord(bool on);

    void roundStarted(const QString &word) override;
    void roundEnded(const Round &round) override;

Q_SIGNALS:
    // Whether there is speech, and if not why, for the items of others that need it.
    void speechChanged(bool available, const QString &whyNot);
    // "Voice...": the dialog that chooses the voice and its speed.
    void voiceDialogWanted();

private:
    void say(const QString &word);
    // The word, then its sentence if it has one.
    void sayWithSentence(const QString &word);
    void cancel();
    bool hasSpeech() const;
    void showMenu();

    Speaker &m_speaker;
    SoundPlayback &m_sound;
    QAction *m_sayAgainAction;
    QAction *m_separator;
    QAction *m_sayAtRoundEndAction;
    QAction *m_sayNewWordAction;
    QAction *m_voiceAction;
    std::function<QString(const QString &)> m_sentenceOf;
    Preferences *m_preferences = nullptr;
    bool m_sayAtRoundEnd = true;
    bool m_sayEachNewWord = false;
    bool m_inRound = false;
    QString m_word;
    // Counts rounds and stops: a word waiting for the end sound is said only if nothing came
    // between.
    quint64 m_turn = 0;
};
