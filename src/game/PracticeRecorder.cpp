#include "game/PracticeRecorder.h"

#include "core/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/PracticeRecordStore.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

PracticeRecorder::PracticeRecorder(PracticeRecordStore &store, MessageBoxes &messages,
    std::function<QString()> player, const Clock &clock)
    : m_store(store)
    , m_messages(messages)
    , m_playerName(std::move(player))
    , m_clock(clock)
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
    PracticeRound kept{m_clock.now(), m_playerName(), m_list, round.word, round.result,
        round.misses, round.wrongLetters};
    kept.id = QUuid::createUuid();
    kept.hinted = round.hinted;
    if (m_player && m_player->name == kept.player) {
        m_player->trouble.add(kept);
        m_player->schedule.add(kept);
    }
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

PracticeRecorder::Player &PracticeRecorder::player()
{
    const QString name = m_playerName();
    if (!m_player || m_player->name != name) {
        m_player.emplace();
        m_player->name = name;
        const PracticeSummary summary = m_store.summary(name, m_clock.now());
        m_player->trouble.add(summary.troubleWords);
        m_player->schedule.add(summary.schedule);
        for (const PracticeRound &round : std::as_const(m_unkept)) {
            if (round.player == name) {
                m_player->trouble.add(round);
                m_player->schedule.add(round);
            }
        }
    }
    return *m_player;
}

QStringList PracticeRecorder::troubleWords()
{
    return player().trouble.wordTexts();
}

QStringList PracticeRecorder::dueWords()
{
    return player().schedule.dueWords(m_clock.now().date());
}
