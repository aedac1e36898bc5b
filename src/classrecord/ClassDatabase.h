#pragma once

#include "classrecord/ClassProblem.h"
#include "classrecord/ClassView.h"
#include "platform/ClassListSource.h"
#include "platform/PracticeRecordStore.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// The class database as one thread holds it: made, used and dropped on that thread, since a
// database connection belongs to the thread that opened it. Every call may wait on the network.
class ClassDatabase
{
public:
    virtual ~ClassDatabase() = default;

    // Connects through the service unless connected already, and makes the tables when missing.
    virtual ClassProblem open(const QString &service) = 0;
    // Stores the rounds in one transaction; None only once the server has committed them.
    // Rounds it holds already stay as they are. Each goes under its own computer, or under
    // `computer` where it has none.
    virtual ClassProblem send(const QList<PracticeRound> &rounds, const QString &computer) = 0;
    virtual ClassProblem readView(const QDateTime &weekStart, ClassView &view) = 0;
    // Every round of the class, oldest first.
    virtual ClassProblem readRounds(QList<PracticeRound> &rounds) = 0;

    // The lists published to the class, by name.
    virtual ClassProblem readLists(QList<ClassList> &lists) = 0;
    // Publishes the list under its name, or replaces the one of that name; its thisWeek is not
    // looked at.
    virtual ClassProblem publishList(const ClassList &list) = 0;
    // A list no longer published is no problem.
    virtual ClassProblem withdrawList(const QString &name) = 0;
    // Makes the named list this week's, the one before no longer; an empty name leaves none.
    virtual ClassProblem markThisWeek(const QString &name) = 0;
};

// Makes a database for the calling thread; empty when the program has no database module.
using ClassDatabaseFactory = std::function<std::unique_ptr<ClassDatabase>()>;
