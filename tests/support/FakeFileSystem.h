#pragma once

#include "platform/DiskFileSystem.h"

#include <QStringList>

// The real files, but a start folder and a program folder of its own (tests share one process)
// and deletes that can be made to fail.
class FakeFileSystem final : public DiskFileSystem
{
public:
    explicit FakeFileSystem(const QString &current)
        : current(current)
    {
    }

    QString currentPath() const override { return current; }
    QString programDir() const override { return program; }
    bool remove(const QString &path) override
    {
        removals.append(path);
        return !failRemove && DiskFileSystem::remove(path);
    }

    QString current;
    QString program; // none unless a test sets one
    bool failRemove = false;
    QStringList removals;
};
