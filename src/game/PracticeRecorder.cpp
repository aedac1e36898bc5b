#include "game/PracticeRecorder.h"

#include "platform/MessageBoxes.h"
#include "platform/PracticeRecordStore.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

PracticeRecorder::PracticeRecorder(PracticeRecordStore &store, MessageBoxes &messages,
    std::function<QString()> player, Now now)
    : m_store(store)
    , m_messages(messages)
    , m_player(std::move(player))
    , m_now(std::move(now))
{
}

void PracticeRecorder::setListInPlay(const QString &list)
{
    m_list = QFileInfo(list).fileName();
}

void PracticeRecorder::roundStarted(const QString &)
{
}

void PracticeRecorder::roundEnded(const Round &round)
{
    const PracticeRound kept{m_now(), m_player(), m_list, round.word,
        round.result, round.misses, round.wrongLetters};
    if (m_trouble && m_troublePlayer == kept.player)
        m_trouble->add(kept);
    if (m_store.add(kept))
        return;
    m_unkept.append(kept);
    if (m_failureSaid)
        return;
    m_failureSaid = true;
    m_messages.inform(u"Wordrow could not keep this round in the practice record: the disk may be "
                      u"full, or the game's folder cannot be written.\n\n"
                      u"The game goes on as before, and Wordrow keeps trying with each round. "
                      u"This message does not come again until the game starts anew."_s,
        u"Wordrow"_s, MessageBoxes::Icon::Information);
}

QStringList PracticeRecorder::troubleWords()
{
    const QString player = m_player();
    if (!m_trouble || m_troublePlayer != player) {
        m_trouble.emplace();
        m_trouble->add(m_store.summary(player, m_now()).troubleWords);
        for (const PracticeRound &round : std::as_const(m_unkept)) {
            if (round.player == player)
                m_trouble->add(round);
        }
        m_troublePlayer = player;
    }
    return m_trouble->wordTexts();
}
