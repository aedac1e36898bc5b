#pragma once

#include "platform/ClassListSource.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The class lists as one computer keeps them, so they play without the server: each list a list
// file in a folder of its own with its sentences' file beside it, and beside them an index of which
// file holds which list, from when, and which is this week's. Every file is written whole; the
// index last, so a crash leaves at worst a list written again at the next sync.
class ClassListStore
{
public:
    static constexpr QStringView IndexName = u".class-lists.json";
    // The index of a class's lists stays far below this; a larger one is not read.
    static constexpr qint64 MaxIndexSize = 16 * 1024 * 1024;

    // A list kept on this computer.
    struct Kept
    {
        QString name;
        // The file's name in the folder.
        QString file;
        QDateTime updated;
        bool thisWeek = false;

        bool operator==(const Kept &) const = default;
    };

    // What a sync did.
    struct Outcome
    {
        int written = 0;
        int removed = 0;
        // A message for each list refused, the computer keeping what it had of it.
        QStringList refusals;
        // A withdrawn list kept for now, since it is in play.
        bool kept = false;
    };

    explicit ClassListStore(const QString &folder);

    QString folder() const { return m_folder; }
    QString path(const Kept &list) const;
    // As the index says; empty when there is none or it is damaged.
    QList<Kept> kept() const;
    // The file of this week's list, when there is one on this computer.
    std::optional<QString> thisWeeksList() const;

    // Makes the folder hold the published set: new and changed lists written, withdrawn ones
    // removed except the file keepFile (the list in play, while a round runs), unsafe ones
    // refused. Never touches a file the index does not name.
    Outcome sync(const QList<ClassList> &lists, const QString &keepFile = {});

    // Why a published list cannot be kept: empty when it can. Its words and sentences are checked
    // as an import checks them; a sentence without its word is kept, as the editor keeps it.
    static QString problem(const ClassList &list);

private:
    bool writeIndex(const QList<Kept> &lists) const;
    bool writeList(const QString &file, const ClassList &list) const;
    // The list file and its sentences' file.
    bool removeList(const QString &file) const;

    QString m_folder;
};
