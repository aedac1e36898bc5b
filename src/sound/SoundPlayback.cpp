#include "sound/SoundPlayback.h"

#include "core/GameState.h"
#include "platform/SoundPlayer.h"

#include <QDir>
#include <QFileInfo>

SoundPlayback::SoundPlayback(const GameState &state, SoundPlayer &player)
    : m_state(state)
    , m_player(player)
{
}

void SoundPlayback::play(QStringView name)
{
    if (m_state.soundsOff || !m_state.soundCardFound)
        return;
    m_player.play(soundFilePath(m_state.homeDir, name));
}

void SoundPlayback::beep()
{
    m_player.beep();
}

void SoundPlayback::whenQuiet(std::function<void()> done)
{
    if (m_state.soundsOff || !m_state.soundCardFound)
        done();
    else
        m_player.whenSilent(std::move(done));
}

QString SoundPlayback::soundFilePath(const QString &directory, QStringView name)
{
    const QString exact = directory + u'/' + name;
    if (QFileInfo::exists(exact))
        return exact;

    const QDir dir(directory);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    // Nothing by that name: the player is still asked, and plays nothing.
    return exact;
}
