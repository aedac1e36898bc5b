#pragma once

#include "sound/WavFile.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

// Where a sound's samples come from: the player's own file when it holds a playable sound,
// otherwise the sound of that name that ships with the game. Each sound is decoded once and
// kept; a file is read again only when it has changed. Used on the sound thread alone.
class SoundLibrary
{
public:
    // The samples to play for a path the game asked for; invalid when neither the file nor a
    // bundled sound of its name (letter case ignored) is playable.
    WavFile load(const QString &path);

    // The resource of the bundled sound of that file name, in any letter case; empty if none.
    static QString bundledResource(QStringView fileName);
    static QStringList bundledNames();

private:
    struct CachedFile
    {
        qint64 size = -1;
        QDateTime modified;
        WavFile sound;
    };

    WavFile fromFile(const QString &path);
    WavFile bundled(const QString &path);

    QHash<QString, CachedFile> m_files;
    QHash<QString, WavFile> m_bundled;
};
