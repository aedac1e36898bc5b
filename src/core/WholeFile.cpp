#include "core/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<QByteArray> WholeFile::read(const QString &path, qint64 maxSize)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    // The size is asked again: the file may have grown since.
    if (file.error() != QFileDevice::NoError || bytes.size() > maxSize)
        return std::nullopt;
    return bytes;
}

bool WholeFile::write(const QString &path, QByteArrayView bytes, QString *reason)
{
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself: a buffered QSaveFile flushes only
    // while committing, ignores the failure there, and puts an empty file in the old one's place.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.write(bytes.data(), bytes.size()) == bytes.size() && file.commit())
        return true;
    // The reason before cancelling, which would put its own in its place.
    if (reason)
        *reason = file.errorString();
    file.cancelWriting();
    return false;
}
