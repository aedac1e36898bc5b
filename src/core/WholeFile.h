#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Small files, read and written in one piece. Writes go to a temporary file that replaces the
// old one only when complete, so a crash or a full disk never leaves half a file.
class WholeFile
{
public:
    // nullopt for anything but a readable regular file of at most maxSize bytes: a FIFO would
    // block and a device would never end.
    static std::optional<QByteArray> read(const QString &path, qint64 maxSize);
    // False when the file could not be written whole, and then the old file, if any, is as it
    // was; reason, if given, says why in the system's words ("No space left on device").
    static bool write(const QString &path, QByteArrayView bytes, QString *reason = nullptr);
};
