#pragma once

#include "game/RoundObserver.h"
#include "record/TroubleWords.h"
#include "platform/PracticeRecordStore.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class MessageBoxes;
class PracticeRecordStore;

// Keeps every round that ends in the practice record, for the player of the moment and the list
// in play. A record that cannot be kept leaves the round as it is and is said once a run.
class PracticeRecorder final : public RoundObserver
{
public:
    using Now = std::function<QDateTime()>;

    PracticeRecorder(PracticeRecordStore &store, MessageBoxes &messages,
        std::function<QString()> player, Now now = &QDateTime::currentDateTime);

    // The list's path or name as the window's title gives it; the record keeps its file name.
    void setListInPlay(const QString &list);
    QString listInPlay() const { return m_list; }

    void roundStarted(const QString &word) override;
    void roundEnded(const Round &round) override;

    // The current player's trouble words, read from the record once per player and kept up to
    // date from the rounds of this run.
    QStringList troubleWords();
    // After the player changes or is renamed.
    void forgetTroubleWords() { m_trouble.reset(); }

private:
    PracticeRecordStore &m_store;
    MessageBoxes &m_messages;
    std::function<QString()> m_player;
    Now m_now;
    QString m_list;
    bool m_failureSaid = false;
    // Rounds of this run the record refused: they still count for the review.
    QList<PracticeRound> m_unkept;
    std::optional<TroubleWords> m_trouble;
    QString m_troublePlayer;
};
