#pragma once

#include <QMetaEnum>
#include <QObject>
#include <QString>

#include <optional>

// The nine pictures a round goes through: the gallows, or a snowman melting in the sun for the
// schools and homes that want no gallows.
namespace PictureSet {
Q_NAMESPACE

enum class Set { Gallows, Snowman };
Q_ENUM_NS(Set)

// How the preferences files name a set: its key in lower case.
inline QString name(Set set)
{
    return QString::fromLatin1(QMetaEnum::fromType<Set>().valueToKey(int(set))).toLower();
}

// Nothing for a name of no set, so that a typing slip in a file changes nothing.
inline std::optional<Set> fromName(const QString &name)
{
    const QString key = name.trimmed().toLower();
    for (const Set set : {Set::Gallows, Set::Snowman}) {
        if (key == PictureSet::name(set))
            return set;
    }
    return std::nullopt;
}

} // namespace PictureSet
