#pragma once

#include "classrecord/ClassDatabase.h"

#include <QStringList>

// The module that reaches the class database makes its databases through this function.
using CreateClassDatabase = ClassDatabase *(*)();
inline constexpr char CreateClassDatabaseSymbol[] = "wordrow_create_class_database";

// Qt SQL and its PostgreSQL driver are a module of their own, loaded from beside the program only
// once a class record is set, so that a game without one never pays for them.
namespace ClassDatabaseModule {
// Beside the program, and in lib/wordrow beside its folder once installed.
QStringList defaultDirs();
// Loads the module (once; later calls give the same factory). Empty without the module.
ClassDatabaseFactory load(const QStringList &dirs = defaultDirs());
} // namespace ClassDatabaseModule
