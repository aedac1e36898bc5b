#include "DiskFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DiskFileSystem::currentPath() const
{
    return QDir::currentPath();
}

bool DiskFileSystem::setCurrent(const QString &directory)
{
    return QDir::setCurrent(directory);
}

bool DiskFileSystem::exists(const QString &path) const
{
    return QFileInfo::exists(path);
}

bool DiskFileSystem::remove(const QString &path)
{
    QFile::remove(path);
    // A dangling symbolic link is still there although exists() says it is not.
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}
