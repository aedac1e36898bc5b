#pragma once

#include "platform/FileSystem.h"

// The real file system of the process.
class DiskFileSystem : public FileSystem
{
public:
    QString currentPath() const override;
    QString programDir() const override;
    bool exists(const QString &path) const override;
    bool existsIgnoringCase(const QString &path) const override;
    bool remove(const QString &path) override;
};
