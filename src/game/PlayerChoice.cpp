#include "game/PlayerChoice.h"

#include "platform/PracticeRecordStore.h"
#include "wordlists/Preferences.h"

#include <QCollator>

#include <algorithm>

using namespace Qt::StringLiterals;

PlayerChoice::PlayerChoice(Preferences &preferences, PracticeRecordStore &store)
    : m_preferences(preferences)
    , m_store(store)
{
}

QString PlayerChoice::current() const
{
    return m_preferences.player();
}

QStringList PlayerChoice::players() const
{
    QStringList names = m_store.players();
    if (!names.contains(current()))
        names.append(current());
    sortNames(names);
    return names;
}

void PlayerChoice::sortNames(QStringList &names)
{
    // A collator of our own rather than the shared one behind localeAwareCompare, which Qt keeps
    // for the thread and never frees.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
}

// One line of plain text, with runs of spaces made one: names come back in menus and in files.
QString PlayerChoice::cleaned(const QString &name)
{
    QString text = name.simplified();
    text.removeIf([](QChar c) { return !c.isPrint(); });
    return text.left(MaxNameLength).trimmed();
}

QString PlayerChoice::known(const QString &name) const
{
    const QStringList names = players();
    const auto found = std::find_if(names.cbegin(), names.cend(),
        [&](const QString &known) { return known.compare(name, Qt::CaseInsensitive) == 0; });
    return found == names.cend() ? QString() : *found;
}

PlayerChoice::Problem PlayerChoice::choose(const QString &name)
{
    const QString wanted = cleaned(name);
    if (wanted.isEmpty())
        return Problem::EmptyName;
    const QString existing = known(wanted);
    return m_preferences.setPlayer(existing.isEmpty() ? wanted : existing) ? Problem::None
                                                                           : Problem::NotKept;
}

PlayerChoice::Problem PlayerChoice::rename(const QString &from, const QString &to)
{
    const QString wanted = cleaned(to);
    if (wanted.isEmpty())
        return Problem::EmptyName;
    const QString existing = known(wanted);
    // Only a change of letter case may keep the name of someone known: that someone is them.
    if (!existing.isEmpty() && existing.compare(from, Qt::CaseInsensitive) != 0)
        return Problem::NameTaken;
    if (!m_store.renamePlayer(from, wanted))
        return Problem::NotKept;
    if (current() == from && !m_preferences.setPlayer(wanted))
        return Problem::NotKept;
    return Problem::None;
}

QString PlayerChoice::menuText(const QString &player)
{
    return u"Pla&yer: "_s + QString(player).replace(u'&', u"&&"_s) + u"..."_s;
}

QString PlayerChoice::problemText(Problem problem)
{
    switch (problem) {
    case Problem::None:
        break;
    case Problem::EmptyName:
        return u"Please type a name."_s;
    case Problem::NameTaken:
        return u"There is already a player of that name."_s;
    case Problem::NotKept:
        return u"The change could not be kept: the game's folder cannot be written."_s;
    }
    return QString();
}
