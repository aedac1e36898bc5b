#include "wordlists/SettingsFile.h"

#include "core/WholeFile.h"
#include "wordlists/ItemReader.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr QByteArrayView TrueItem = "#TRUE#";
constexpr QByteArrayView FalseItem = "#FALSE#";
// Two short lines; anything much longer is not a settings file of ours.
constexpr qint64 MaxSettingsSize = 64 * 1024;

// The file's bytes, a missing file reading as empty; nullopt when it is there but cannot be read.
std::optional<QByteArray> readSettingsBytes(const QString &homeDir)
{
    const QString path = SettingsFile::path(homeDir);
    if (!QFileInfo::exists(path))
        return QByteArray();
    return WholeFile::read(path, MaxSettingsSize);
}

} // namespace

QString SettingsFile::path(const QString &homeDir)
{
    return homeDir + u'/' + FileName;
}

QString SettingsFile::defaultListPath(const QString &homeDir)
{
    return homeDir + u'/' + DefaultListName;
}

SettingsFile::StartupSettings SettingsFile::read(const QString &homeDir)
{
    const std::optional<QByteArray> bytes = readSettingsBytes(homeDir);
    return parse(bytes ? QByteArrayView(*bytes) : QByteArrayView());
}

SettingsFile::StartupSettings SettingsFile::parse(QByteArrayView bytes)
{
    StartupSettings settings{DefaultListName.toString(), false};
    ItemReader reader(bytes);
    QByteArrayView item;
    if (!reader.next(item))
        return settings;
    if (!item.isEmpty())
        settings.startupList = QFile::decodeName(item.toByteArray());
    if (reader.next(item))
        settings.hideTitleScreen = item == TrueItem;
    return settings;
}

std::optional<QByteArray> SettingsFile::firstItem(QByteArrayView bytes)
{
    ItemReader reader(bytes);
    QByteArrayView item;
    if (!reader.next(item))
        return std::nullopt;
    return item.toByteArray();
}

std::optional<QByteArray> SettingsFile::readLine1(const QString &homeDir, bool *readable)
{
    const std::optional<QByteArray> bytes = readSettingsBytes(homeDir);
    if (readable)
        *readable = bytes.has_value();
    return bytes ? firstItem(*bytes) : std::nullopt;
}

bool SettingsFile::canStorePath(QByteArrayView path)
{
    return !path.contains('"') && !path.contains('\r') && !path.contains('\n');
}

std::optional<QByteArray> SettingsFile::format(QByteArrayView line1, bool hideTitleScreen)
{
    if (!canStorePath(line1))
        return std::nullopt;
    QByteArray bytes;
    bytes += '"';
    bytes += line1;
    bytes += "\"\r\n";
    bytes += hideTitleScreen ? TrueItem : FalseItem;
    bytes += "\r\n";
    return bytes;
}

bool SettingsFile::write(const QString &homeDir, QByteArrayView line1, bool hideTitleScreen)
{
    const std::optional<QByteArray> bytes = format(line1, hideTitleScreen);
    return bytes && WholeFile::write(path(homeDir), *bytes);
}

bool SettingsFile::writeStartupList(
    const QString &homeDir, const QString &listPath, bool hideTitleScreen)
{
    return write(homeDir, QFile::encodeName(listPath), hideTitleScreen);
}

bool SettingsFile::rewriteKeepingLine1(const QString &homeDir, bool hideTitleScreen)
{
    const std::optional<QByteArray> bytes = readSettingsBytes(homeDir);
    if (!bytes)
        return false;
    const std::optional<QByteArray> line1 = firstItem(*bytes);
    if (line1)
        return write(homeDir, *line1, hideTitleScreen);
    return writeDefaultStartupList(homeDir, hideTitleScreen);
}

bool SettingsFile::writeDefaultStartupList(const QString &homeDir, bool hideTitleScreen)
{
    const QByteArray path = QFile::encodeName(defaultListPath(homeDir));
    return write(
        homeDir, canStorePath(path) ? QByteArrayView(path) : QByteArrayView(""), hideTitleScreen);
}
