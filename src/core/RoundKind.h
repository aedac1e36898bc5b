#pragma once

#include <QMetaEnum>
#include <QObject>
#include <QString>

// What a kept round was: a game of guesses, or one answer of a spelling test.
namespace RoundKind {
Q_NAMESPACE

enum class Kind { Game, SpellingTest };
Q_ENUM_NS(Kind)

// How the record stores a kind: its key in lower case.
inline QString name(Kind kind)
{
    return QString::fromLatin1(QMetaEnum::fromType<Kind>().valueToKey(int(kind))).toLower();
}

inline Kind fromName(const QString &name)
{
    return name == u"spellingtest" ? Kind::SpellingTest : Kind::Game;
}

} // namespace RoundKind
