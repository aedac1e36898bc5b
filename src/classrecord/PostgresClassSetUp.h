#pragma once

#include "classrecord/ClassProblem.h"

#include <QStringList>

// The administrator's set-up of a class database: run once with a service whose login is to own
// the class record (or the server's administrator), and again after an update of Wordrow. It makes
// or upgrades the tables step by step, takes over tables an earlier version made with the room's
// login (every round kept), and gives each login only the rights of its kind: a room login adds
// rounds and reads nothing, a teacher login reads the class. Logins named once are kept, so a
// later run or a later version gives them their rights again.
class PostgresClassSetUp
{
public:
    struct Logins
    {
        QStringList room;
        QStringList teacher;
    };
    struct Outcome
    {
        ClassProblem problem;
        // What was done, a sentence a line.
        QStringList done;
    };

    static Outcome run(const QString &service, const Logins &logins);
    // "wordrow --set-up-class-record SERVICE [--room LOGIN]... [--teacher LOGIN]...": says what it
    // did on the standard output, or why not on the error output; the exit status.
    static int runCommandLine(const QStringList &arguments);
};
