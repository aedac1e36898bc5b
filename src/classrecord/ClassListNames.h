#pragma once

#include <QString>
#include <QStringList>

// The file names under which a computer keeps the lists of the class. A name comes from the
// server and is not trusted: whatever it holds, its file lands inside the class lists folder,
// visible, and apart from every other list's, even where file names ignore letter case. The same
// names give the same files on every computer, whatever order they come in.
class ClassListNames
{
public:
    // Characters of a name kept in its file's name; a longer name is cut and marked.
    static constexpr int MaxKept = 48;

    // Each name's file name (".wdr" included), in the names' order. A name that had to be
    // changed, and every name but one of names that differ only in letter case, get a mark made
    // from the whole name: " ~" and eight hex digits.
    static QStringList fileNames(const QStringList &names);

private:
    static QString cleaned(const QString &name);
    static QString mark(const QString &name);
};
