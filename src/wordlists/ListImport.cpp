#include "wordlists/ListImport.h"

#include "core/WholeFile.h"
#include "wordlists/CsvReader.h"
#include "wordlists/KvtmlReader.h"
#include "wordlists/PlainTextReader.h"
#include "wordlists/SentenceFile.h"
#include "wordlists/TextEncoding.h"
#include "wordlists/WordListFile.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;
using Status = ListImport::Result::Status;

namespace {

std::optional<ListImport::Format> formatBySuffix(const QString &path)
{
    using Format = ListImport::Format;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"txt" || suffix == u"text")
        return Format::PlainText;
    if (suffix == u"csv")
        return Format::Csv;
    if (suffix == u"tsv")
        return Format::Tsv;
    if (suffix == u"kvtml" || suffix == u"xml")
        return Format::Kvtml;
    if (suffix == u"wdr")
        return Format::WordList;
    return std::nullopt;
}

// Text has no control characters but the line ends and tabs: a picture or a program has plenty.
bool isText(QStringView text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t';
    });
}

} // namespace

QStringList ListImport::nameFilters()
{
    return {u"Word lists (*.txt *.csv *.tsv *.kvtml *.wdr)"_s, u"All files (*)"_s};
}

bool ListImport::isImportable(const QString &path)
{
    return formatBySuffix(path).has_value();
}

ListImport::Format ListImport::formatOf(const QString &path, QByteArrayView bytes)
{
    if (const std::optional<Format> format = formatBySuffix(path))
        return *format;
    const QString start
        = TextEncoding::decodeText(bytes.first(std::min<qsizetype>(bytes.size(), 64)));
    return start.trimmed().startsWith(u'<') ? Format::Kvtml : Format::PlainText;
}

ListImport::Result ListImport::readFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() > MaxFileSize)
        return {Status::TooLarge, {}};
    const std::optional<QByteArray> bytes = WholeFile::read(path, MaxFileSize);
    if (!bytes)
        return {Status::Unreadable, {}};
    const Format format = formatOf(path, *bytes);
    Result result = read(*bytes, format);
    // A list of ours brings the sentences kept beside it.
    if (format == Format::WordList) {
        const Sentences sentences = SentenceFile::read(path);
        for (ImportedWord &word : result.words)
            word.sentence = sentences.of(word.text);
    }
    return result;
}

ListImport::Result ListImport::read(QByteArrayView bytes, Format format)
{
    if (bytes.size() > MaxFileSize)
        return {Status::TooLarge, {}};
    std::optional<ImportedWords> words;
    if (format == Format::Kvtml) {
        words = KvtmlReader::read(bytes);
    } else {
        const QString text = TextEncoding::decodeText(bytes);
        if (isText(text)) {
            if (format == Format::Csv)
                words = CsvReader::read(text);
            else if (format == Format::Tsv)
                words = CsvReader::read(text, u'\t');
            else if (format == Format::WordList)
                words = WordListFile::parseItems(bytes);
            else
                words = PlainTextReader::read(text);
        }
    }
    if (!words)
        return {Status::NotAList, {}};
    if (words->isEmpty())
        return {Status::NoWords, {}};
    return {Status::Read, std::move(*words)};
}
