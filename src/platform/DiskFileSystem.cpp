#include "platform/DiskFileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DiskFileSystem::currentPath() const
{
    return QDir::currentPath();
}

QString DiskFileSystem::programDir() const
{
    // Qt tells it once the application object exists; before that it is not known.
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

bool DiskFileSystem::exists(const QString &path) const
{
    return QFileInfo::exists(path);
}

bool DiskFileSystem::existsIgnoringCase(const QString &path) const
{
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return true;
    // System takes in dangling symbolic links, which a write would follow.
    const QStringList names = info.dir().entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return names.contains(info.fileName(), Qt::CaseInsensitive);
}

bool DiskFileSystem::remove(const QString &path)
{
    QFile::remove(path);
    // A dangling symbolic link is still there although exists() says it is not.
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}
