#include "monkey/MonkeyFileDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

MonkeyFileDialogs::MonkeyFileDialogs(std::mt19937_64 &engine, QString home)
    : m_engine(engine)
    , m_home(std::move(home))
{
}

void MonkeyFileDialogs::restoreFixtures() const
{
    const QDir home(m_home);
    home.mkpath(u"folder.wdr"_s);
    if (!home.exists(u"notes.txt"_s))
        writeFile(home.filePath(u"notes.txt"_s), "\"NOT\"\r\n\"A\"\r\n\"LIST\"\r\n");
    if (!home.exists(u"animals.wdr"_s))
        writeFile(home.filePath(u"animals.wdr"_s), "\"CAT\"\r\n\"DOG\"\r\n\"EMU\"\r\n\"YAK\"\r\n");
    if (!home.exists(u"ONE.WDR"_s))
        writeFile(home.filePath(u"ONE.WDR"_s), "\"ROCK'N-ROLL\"\r\n");
    // Words with characters no button has, the longest that load, and one that is too long.
    if (!home.exists(u"odd.wdr"_s))
        writeFile(home.filePath(u"odd.wdr"_s),
            "\"caf\xc3\xa9\"\r\n\"ICE CREAM\"\r\n\"ABCDEFGHIJKLMNO\"\r\n"
            "\"ABCDEFGHIJKLMNOP\"\r\n\"X\"\r\n");
    // Typed in a text editor: small letters, and characters the round shows from the start.
    if (!home.exists(u"hand-made.wdr"_s))
        writeFile(home.filePath(u"hand-made.wdr"_s),
            "kitten,ice cream\nx-ray,123\nkitten\xf0\x9f\x90\xb1,don't\n");
    if (!home.exists(u"nothing.wdr"_s))
        writeFile(home.filePath(u"nothing.wdr"_s), "\"ABCDEFGHIJKLMNOPQRSTUVWXYZ\"\r\n");
}

QString MonkeyFileDialogs::anyExistingList() const
{
    const QStringList lists
        = QDir(m_home).entryList({u"*.wdr"_s}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (lists.isEmpty())
        return QDir(m_home).filePath(u"animals.wdr"_s);
    return QDir(m_home).filePath(lists.at(int(m_engine() % unsigned(lists.size()))));
}

std::optional<QString> MonkeyFileDialogs::getOpenFileName(const Options &options)
{
    ++opened;
    restoreFixtures();
    record.choices = {std::nullopt};
    const QDir home(m_home);
    switch (below(12)) {
    case 0:
        record.choices = {home.filePath(u"wordrow.ini"_s)};
        break;
    case 1:
        record.choices = {home.filePath(u"notes.txt"_s)};
        break;
    case 2:
        record.choices = {home.filePath(u"missing.wdr"_s)};
        break;
    case 3:
        record.choices = {home.filePath(u"folder.wdr"_s)};
        break;
    case 4:
    case 5:
        break; // cancelled
    default:
        record.choices = {anyExistingList()};
        break;
    }
    return record.getOpenFileName(options);
}

std::optional<QString> MonkeyFileDialogs::getSaveFileName(const Options &options)
{
    ++saved;
    restoreFixtures();
    record.choices = {std::nullopt};
    const QDir home(m_home);
    const QString fresh = u"saved%1"_s.arg(++m_saved);
    switch (below(10)) {
    case 0:
        record.choices = {anyExistingList()};
        break;
    case 1:
        // Taken in another letter case, or once the suffix is added.
        record.choices
            = {below(2) ? home.filePath(QFileInfo(anyExistingList()).fileName().toUpper())
                        : home.filePath(u"animals"_s)};
        break;
    case 2:
        record.choices = {home.filePath(u"no such folder/"_s + fresh + u".wdr"_s)};
        break;
    case 3:
        // A name the settings file cannot hold.
        record.choices = {home.filePath(fresh + u"\".wdr"_s)};
        break;
    case 4:
        break; // cancelled
    case 5:
        record.choices = {home.filePath(fresh)};
        break;
    default:
        record.choices = {home.filePath(fresh + (below(2) ? u".wdr"_s : u".WDR"_s))};
        break;
    }
    return record.getSaveFileName(options);
}
