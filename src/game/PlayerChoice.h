#pragma once

#include <QString>
#include <QStringList>

class PracticeRecordStore;
class Preferences;

// Who is playing: the rounds go to the current player's record. Until someone chooses, the player
// is "Player". The players offered are those with rounds in the record and the current one.
class PlayerChoice
{
public:
    static constexpr int MaxNameLength = 40;

    enum class Problem { None, EmptyName, NameTaken, NotKept };

    PlayerChoice(Preferences &preferences, PracticeRecordStore &store);

    QString current() const;
    // Sorted as a person would look for a name.
    QStringList players() const;
    // In the order a reader expects, letter case aside.
    static void sortNames(QStringList &names);

    // Picks a player from the list, or adds a new one; a name differing from a known one only in
    // letter case or spaces picks that one.
    Problem choose(const QString &name);
    // Gives a player's rounds a new name; the current player keeps playing under it.
    Problem rename(const QString &from, const QString &to);

    // The Practice menu's item for the player.
    static QString menuText(const QString &player);
    static QString problemText(Problem problem);

private:
    static QString cleaned(const QString &name);
    QString known(const QString &name) const;

    Preferences &m_preferences;
    PracticeRecordStore &m_store;
};
