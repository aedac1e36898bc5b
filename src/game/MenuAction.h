#pragma once

#include <QAction>
#include <QKeySequence>
#include <QString>

// A menu item of the logic that decides it, named after its id so that it can be found by name.
// The window only places it in a menu.
inline QAction *newMenuAction(
    QObject *owner, const QString &text, const QString &name, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(text, owner);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

// A separator between items of one owner.
inline QAction *newMenuSeparator(QObject *owner)
{
    auto *separator = new QAction(owner);
    separator->setSeparator(true);
    return separator;
}
