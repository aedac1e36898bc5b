#pragma once

#include <QObject>

// What a kept round was: a game of guessing letters, or one answer of a spelling test.
namespace RoundKind {
Q_NAMESPACE
enum class Kind { Game, SpellingTest };
Q_ENUM_NS(Kind)
} // namespace RoundKind
