#pragma once

#include <QString>

// The few file-system operations the commands use directly, so tests can make them fail.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // The folder the program was started from; start-up takes it once as the home folder.
    virtual QString currentPath() const = 0;
    // The folder that holds the running program; the files installed with it are found from
    // there. Empty when it is not known.
    virtual QString programDir() const = 0;
    virtual bool exists(const QString &path) const = 0;
    // Whether anything of that name is in the path's directory, the letter case of the name
    // ignored: lists are told apart by name alone, whatever the file system.
    virtual bool existsIgnoringCase(const QString &path) const = 0;
    // Whether the file is gone afterwards.
    virtual bool remove(const QString &path) = 0;
};
