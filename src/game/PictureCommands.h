#pragma once

#include "core/PictureSet.h"
#include "wordlists/PictureSetting.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class GameState;
class QAction;
class QActionGroup;

// The Practice menu's "Pictures" items: one radio item a set, greyed out with the reason when the
// computer's administrator has locked the set, and a line saying so.
class PictureCommands : public QObject
{
    Q_OBJECT

public:
    explicit PictureCommands(GameState &state,
        const QString &systemFile = PictureSetting::systemFile(), QObject *parent = nullptr);

    // Reads the choice into the state once start-up has found the home folder; again is harmless.
    void start();

    // The submenu's items in their order.
    QList<QAction *> actions() const;
    QAction *action(PictureSet::Set set) const;
    // Why the items are greyed out, for the submenu's own tooltip and description; empty if not.
    QString lockReason() const { return m_lockReason; }
    void choose(PictureSet::Set set);

Q_SIGNALS:
    void picturesChanged(PictureSet::Set set);

private:
    void showMenu();

    GameState &m_state;
    QString m_systemFile;
    std::optional<PictureSetting> m_setting;
    QActionGroup *m_group;
    QAction *m_gallows;
    QAction *m_snowman;
    QAction *m_lockNote;
    QString m_lockReason;
};
