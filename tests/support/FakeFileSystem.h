#pragma once

#include "platform/DiskFileSystem.h"

#include <QStringList>

// The real files, but a current directory of its own (tests share one process) and deletes that
// can be made to fail.
class FakeFileSystem final : public DiskFileSystem
{
public:
    explicit FakeFileSystem(const QString &current)
        : current(current)
    {
    }

    QString currentPath() const override { return current; }
    bool setCurrent(const QString &directory) override
    {
        current = directory;
        return true;
    }
    bool remove(const QString &path) override
    {
        removals.append(path);
        return !failRemove && DiskFileSystem::remove(path);
    }

    QString current;
    bool failRemove = false;
    QStringList removals;
};
