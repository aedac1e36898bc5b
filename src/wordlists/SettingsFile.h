#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The settings file in the home directory: two lines, the quoted path of the start-up list and
// #TRUE# or #FALSE# for leaving out the title screen. Paths are kept as the file system's bytes.
class SettingsFile
{
public:
    static constexpr QStringView FileName = u"wordrow.ini";
    static constexpr QStringView DefaultListName = u"wordrow.wdr";

    struct StartupSettings
    {
        QString startupList;
        bool hideTitleScreen = false;
    };

    static QString path(const QString &homeDir);
    static QString defaultListPath(const QString &homeDir);

    // What start-up reads: an empty file or an empty first item names the default list relative
    // to the home directory; a missing or unknown second item shows the title screen.
    static StartupSettings read(const QString &homeDir);
    // The same rules on the file's bytes.
    static StartupSettings parse(QByteArrayView bytes);
    // The first item of the file's bytes; nullopt when there is none.
    static std::optional<QByteArray> firstItem(QByteArrayView bytes);

    // The first item exactly as stored; nullopt when the file is missing, empty or unreadable.
    // readable, when given, tells the last apart: a missing file reads as empty.
    static std::optional<QByteArray> readLine1(const QString &homeDir, bool *readable = nullptr);

    // Each writer replaces the whole file atomically and says whether it did. A path holding a
    // double quote or a line break cannot be stored and is never written.
    static bool write(const QString &homeDir, QByteArrayView line1, bool hideTitleScreen);
    // The two lines as written; nullopt for a first line that cannot be stored.
    static std::optional<QByteArray> format(QByteArrayView line1, bool hideTitleScreen);
    static bool writeStartupList(
        const QString &homeDir, const QString &listPath, bool hideTitleScreen);
    // Names the default list: by its full path, or where that holds a double quote by an empty
    // item, which reads as the same list.
    static bool writeDefaultStartupList(const QString &homeDir, bool hideTitleScreen);
    // Rewrites line 2 and keeps line 1 byte for byte. A settings file that has gone missing or
    // empty gets the default list as line 1; one that exists but cannot be read is left alone.
    static bool rewriteKeepingLine1(const QString &homeDir, bool hideTitleScreen);

    static bool canStorePath(QByteArrayView path);
};
