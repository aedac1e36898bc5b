#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

// What stands between this computer and the class record, said so that whoever set it up knows
// what to fix. None means the class database answered and took what it was given.
class ClassProblem
{
    Q_GADGET

public:
    enum Kind {
        None,
        NoDriver,
        UnknownService,
        LoginRefused,
        Unreachable,
        // No tables, tables of the version the game once made itself, or none for this login.
        NotSetUp,
        // The login may not do this: a room's login reading the class.
        NotAllowed,
        LaterSchema,
        Failed
    };
    Q_ENUM(Kind)

    Kind kind = None;
    // The server's or the client library's own words, for the log and for Failed.
    QString detail;

    bool ok() const { return kind == None; }
    // One plain sentence or two, naming the service where it helps.
    QString message(const QString &service) const;

    // Sorts what the client library said about a connection that failed.
    static ClassProblem ofConnection(const QString &libraryText);
};
Q_DECLARE_METATYPE(ClassProblem)
