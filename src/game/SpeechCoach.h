#pragma once

#include "game/MainWindowView.h"
#include "game/RoundObserver.h"
#include "platform/Speaker.h"
#include "wordlists/Preferences.h"

#include <QObject>
#include <QString>

#include <optional>

class SoundPlayback;

// Decides when the word is said, so that a child can practise spelling what they hear: at the
// end of a round once its sound is over, as a new word comes up when asked for, and again on
// request. One word is never said over another. Also keeps the Practice menu's speech items,
// the spelling test's among them.
class SpeechCoach : public QObject, public RoundObserver
{
    Q_OBJECT

public:
    SpeechCoach(Speaker &speaker, SoundPlayback &sound, MainWindowView &view);

    // Reads the options from the preferences beside the settings, once start-up has found them.
    void start(const QString &homeDir);

    // The Practice menu's commands.
    void sayAgain();
    void setSayAtRoundEnd(bool on);
    void setSayEachNewWord(bool on);

    void roundStarted(const QString &word) override;
    void roundEnded(const Round &round) override;

private:
    void say(const QString &word);
    void cancel();
    bool hasSpeech() const;
    void showMenu();

    Speaker &m_speaker;
    SoundPlayback &m_sound;
    MainWindowView &m_view;
    std::optional<Preferences> m_preferences;
    bool m_sayAtRoundEnd = true;
    bool m_sayEachNewWord = false;
    bool m_inRound = false;
    QString m_word;
    // Counts rounds and stops: a word waiting for the end sound is said only if nothing came
    // between.
    quint64 m_turn = 0;
};
