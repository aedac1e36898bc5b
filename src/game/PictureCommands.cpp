#include "game/PictureCommands.h"

#include "core/GameState.h"
#include "game/MenuAction.h"

#include <QActionGroup>

using namespace Qt::StringLiterals;

PictureCommands::PictureCommands(GameState &state, const QString &systemFile, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_systemFile(systemFile)
    , m_group(new QActionGroup(this))
    , m_gallows(newMenuAction(this, u"&Gallows"_s, u"mnuPicturesGallows"_s))
    , m_snowman(newMenuAction(this, u"&Snowman"_s, u"mnuPicturesSnowman"_s))
    , m_lockNote(
          newMenuAction(this, u"Set for Every User of This Computer"_s, u"mnuPicturesLocked"_s))
{
    for (QAction *item : {m_gallows, m_snowman}) {
        item->setCheckable(true);
        m_group->addAction(item);
    }
    m_gallows->setChecked(true);
    connect(m_gallows, &QAction::triggered, this, [this] { choose(PictureSet::Set::Gallows); });
    connect(m_snowman, &QAction::triggered, this, [this] { choose(PictureSet::Set::Snowman); });
    m_lockNote->setEnabled(false);
    m_lockNote->setVisible(false);
}

void PictureCommands::start()
{
    m_setting.emplace(m_state.homeDir, m_systemFile);
    m_state.pictures = m_setting->current();
    showMenu();
}

QList<QAction *> PictureCommands::actions() const
{
    return {m_gallows, m_snowman, m_lockNote};
}

QAction *PictureCommands::action(PictureSet::Set set) const
{
    return set == PictureSet::Set::Snowman ? m_snowman : m_gallows;
}

void PictureCommands::choose(PictureSet::Set set)
{
    // A file locked after start-up still wins: the menu then shows why.
    if (m_setting && !m_setting->isLocked()) {
        // Unwritable preferences keep the choice for this run only, as the other options do.
        m_setting->choose(set);
    } else if (m_setting) {
        set = m_setting->current();
    }
    const bool changed = set != m_state.pictures;
    m_state.pictures = set;
    showMenu();
    if (changed)
        Q_EMIT picturesChanged(set);
}

void PictureCommands::showMenu()
{
    const bool locked = m_setting && m_setting->isLocked();
    m_lockReason = locked ? m_setting->lockReason() : QString();
    for (QAction *item : {m_gallows, m_snowman}) {
        item->setEnabled(!locked);
        item->setToolTip(m_lockReason);
    }
    m_lockNote->setVisible(locked);
    m_lockNote->setToolTip(m_lockReason);
    action(m_state.pictures)->setChecked(true);
}
