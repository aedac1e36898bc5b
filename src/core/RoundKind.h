#pragma once

#include <QObject>

// What a kept round was: a game on the gallows, or one answer of a spelling test. The record
// stores a kind by its key name in lower case ("game", "spellingtest").
namespace RoundKind {
Q_NAMESPACE

enum class Kind { Game, SpellingTest };
Q_ENUM_NS(Kind)

} // namespace RoundKind
