#pragma once

#include "game/RoundObserver.h"
#include "platform/PracticeRecordStore.h"
#include "record/PlayerSchedule.h"
#include "record/TroubleWords.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class Clock;
class MessageBoxes;
class PracticeRecordStore;

// Keeps every round that ends in the practice record, for the player of the moment and the list
// in play. A record that cannot be kept leaves the round as it is and is said once a run.
class PracticeRecorder final : public RoundObserver
{
public:
    // The clock dates each round and says which day it is for the schedule.
    PracticeRecorder(PracticeRecordStore &store, MessageBoxes &messages,
        std::function<QString()> player, const Clock &clock);

    // The list's path or name as the window's title gives it; the record keeps its file name.
    void setListInPlay(const QString &list);
    QString listInPlay() const { return m_list; }

    void roundStarted(const QString &word) override;
    void roundEnded(const Round &round) override;

    // The current player's trouble words, read from the record once per player and kept up to
    // date from the rounds of this run.
    QStringList troubleWords();
    // The current player's words due today on the review schedule, longest waiting first; read
    // and kept up to date the same way.
    QStringList dueWords();
    // The same as a source to draw from, for the review and the spelling test.
    std::function<QStringList()> dueWordSource()
    {
        return [this] { return dueWords(); };
    }
    // After the player changes or is renamed.
    void forgetTroubleWords() { m_player.reset(); }

private:
    PracticeRecordStore &m_store;
    MessageBoxes &m_messages;
    // What the review needs of the current player's record.
    struct Player
    {
        QString name;
        TroubleWords trouble;
        PlayerSchedule schedule;
    };
    Player &player();

    std::function<QString()> m_playerName;
    const Clock &m_clock;
    QString m_list;
    bool m_failureSaid = false;
    // Rounds of this run the record refused: they still count for the review.
    QList<PracticeRound> m_unkept;
    std::optional<Player> m_player;
};
