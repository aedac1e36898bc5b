#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class Clock;
class GameRound;
class MessageBoxes;
class PlayerChoice;
class PracticeRecordStore;
class PracticeRecorder;
class Preferences;
class QAction;
class ReviewDraw;

// The Practice menu's items of the record: who is playing, their progress, and whether their
// trouble words come back. Keeps each round that ends for the player of the moment, once the
// record is known, and has the review draw from it. The window places the items and opens the
// windows these commands ask for.
class PracticeCommands : public QObject
{
    Q_OBJECT

public:
    PracticeCommands(GameRound &round, MessageBoxes &messages, QObject *parent = nullptr);
    ~PracticeCommands() override;

    // Where the rounds are kept, and the clock that dates them and says which day it is for the
    // review schedule; before start(). Without it nothing is recorded and the items stay
    // disabled.
    void setRecord(PracticeRecordStore &record, const Clock &clock);
    // Reads the options from the game's one preferences, once start-up has found them, and
    // keeps them there; reading them opens no record.
    void start(Preferences &preferences);

    // The items in their order, for the window to place.
    QList<QAction *> actions() const { return m_actions; }
    QAction *playerAction() const { return m_playerAction; }
    QAction *progressAction() const { return m_progressAction; }
    QAction *troubleWordsAction() const { return m_troubleWordsAction; }
    QAction *spellingTestAction() const { return m_spellingTestAction; }

    QString player() const;
    QString listInPlay() const { return m_listInPlay; }
    bool practisesTroubleWords() const { return m_practiseTroubleWords; }
    // The current player's due words, for the spelling test.
    QStringList dueWords() const;

public Q_SLOTS:
    void setListInPlay(const QString &list);
    void choosePlayer();
    void showProgress();
    void setPractiseTroubleWords(bool on);
    // A spelling test is all hearing: without speech it is greyed out, saying why.
    void setSpeech(bool available, const QString &whyNot);
    void showSpellingTest();
    // A spelling test has ended: its answers moved words, so the review reads them again.
    void spellingTestClosed();

Q_SIGNALS:
    // Asks the player, at once: the choice is made before the signal returns, so connect it
    // directly.
    void playerChoiceWanted(PlayerChoice &choice);
    // The progress window of this player, opened or brought to the front.
    void progressWanted(const QString &player);
    // Another player plays from now on: an open progress window shows them, and an open
    // spelling test, which is the player's who started it, closes.
    void playerChanged(const QString &player);
    // A spelling test of the list in play for the current player, opened or brought to the front.
    void spellingTestWanted();

private:
    QAction *addItem(const QString &text, const QString &name, const QKeySequence &shortcut = {});
    void showPlayer();
    void enableItems();

    GameRound &m_round;
    MessageBoxes &m_messages;
    QList<QAction *> m_actions;
    QAction *m_playerAction;
    QAction *m_progressAction;
    QAction *m_spellingTestAction;
    QAction *m_troubleWordsAction;

    PracticeRecordStore *m_record = nullptr;
    std::unique_ptr<PracticeRecorder> m_recorder;
    std::unique_ptr<ReviewDraw> m_review;
    Preferences *m_preferences = nullptr;
    QString m_listInPlay;
    bool m_practiseTroubleWords = false;
    bool m_speech = true;
};
