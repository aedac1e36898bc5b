#include "fuzz/FuzzCheck.h"
#include "wordlists/SettingsFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

// Start-up reads the file with parse(); the settings menu keeps line 1 through firstItem(). Both
// must see the same first line.
void checkReadersAgree(QByteArrayView bytes)
{
    const SettingsFile::StartupSettings settings = SettingsFile::parse(bytes);
    const std::optional<QByteArray> line1 = SettingsFile::firstItem(bytes);
    const QString expected = line1 && !line1->isEmpty() ? QFile::decodeName(*line1)
                                                        : SettingsFile::DefaultListName.toString();
    fuzzCheck(settings.startupList == expected, "parse and firstItem agree on line 1");
}

// What format() writes reads back as the same line 1, byte for byte, and the same setting; what
// it refuses is exactly what canStorePath() refuses.
void checkStoring(QByteArrayView line1)
{
    const bool storable = SettingsFile::canStorePath(line1);
    fuzzCheck(storable == !(line1.contains('"') || line1.contains('\r') || line1.contains('\n')),
        "only quotes and line ends make a path unstorable");
    for (const bool hide : {false, true}) {
        const std::optional<QByteArray> bytes = SettingsFile::format(line1, hide);
        fuzzCheck(bytes.has_value() == storable, "format refuses what canStorePath refuses");
        if (!bytes)
            continue;
        fuzzCheck(SettingsFile::firstItem(*bytes) == line1.toByteArray(),
            "line 1 reads back byte for byte");
        fuzzCheck(SettingsFile::parse(*bytes).hideTitleScreen == hide, "the setting reads back");
        checkReadersAgree(*bytes);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkReadersAgree(bytes);
    if (const std::optional<QByteArray> line1 = SettingsFile::firstItem(bytes))
        checkStoring(*line1);
    // The whole input as a path too: bytes no reader would give, quotes and line ends included.
    checkStoring(bytes);
    return 0;
}
