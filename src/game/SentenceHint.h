#pragma once

#include "game/RoundObserver.h"

#include <QObject>
#include <QString>

class GameRound;
class MessageBoxes;
class QAction;

// The Practice menu's hint: during a round whose word has a sentence, shows the sentence with the
// word blanked, so that "there" and "their" can be told apart before the first guess. A round
// with the hint shown is marked hinted and counts as no clean answer.
class SentenceHint : public QObject, public RoundObserver
{
    Q_OBJECT

public:
    SentenceHint(GameRound &round, MessageBoxes &messages, QObject *parent = nullptr);

    QAction *action() const { return m_action; }
    void showHint();

    void roundStarted(const QString &word) override;
    void roundEnded(const Round &round) override;

private:
    void enable();

    GameRound &m_round;
    MessageBoxes &m_messages;
    QAction *m_action;
};
