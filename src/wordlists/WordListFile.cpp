#include "wordlists/WordListFile.h"

#include "core/WholeFile.h"
#include "wordlists/ItemReader.h"
#include "wordlists/SentenceFile.h"
#include "wordlists/TextEncoding.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Editors that save UTF-8 may mark it so; the mark is not part of the first word.
QByteArrayView withoutMark(QByteArrayView bytes)
{
    constexpr QByteArrayView Utf8Bom = "\xEF\xBB\xBF";
    return bytes.startsWith(Utf8Bom) ? bytes.sliced(Utf8Bom.size()) : bytes;
}

} // namespace

WordList WordListFile::parseWords(QByteArrayView bytes)
{
    bytes = withoutMark(bytes);
    const auto encoding = TextEncoding::detect(bytes);
    // Decoding never makes text longer than its bytes, so most items need no count.
    const auto usable = [encoding](QByteArrayView item) {
        return item.size() <= MaxWordLength
            || TextEncoding::decodedLength(item, encoding) <= MaxWordLength;
    };

    // Find the usable items first, so that the list is sized once.
    std::vector<QByteArrayView> items;
    items.reserve(std::size_t(std::min<qsizetype>(bytes.size() / 3 + 1, MaxWords)));
    qsizetype characters = 0; // an upper bound: decoding never lengthens
    QByteArrayView item;
    for (ItemReader reader(bytes); items.size() < MaxWords && reader.next(item);) {
        if (usable(item)) {
            items.push_back(item);
            characters += item.size();
        }
    }

    WordList words;
    words.reserve(qsizetype(items.size()), characters);
    for (const QByteArrayView usableItem : items) {
        if (TextEncoding::readsAsLatin1(usableItem, encoding))
            words.appendLatin1(usableItem);
        else
            words.append(TextEncoding::decode(usableItem, encoding));
    }
    return words;
}

ImportedWords WordListFile::parseItems(QByteArrayView bytes)
{
    bytes = withoutMark(bytes);
    const auto encoding = TextEncoding::detect(bytes);
    ImportedWords words;
    int line = 1;
    const char *counted = bytes.data();
    QByteArrayView item;
    for (ItemReader reader(bytes); reader.next(item);) {
        // Line ends up to the item, CR LF as one.
        for (; counted < item.data(); ++counted) {
            if (*counted == '\n'
                || (*counted == '\r' && (counted + 1 == item.data() || counted[1] != '\n')))
                ++line;
        }
        // Trimmed as text: a no-break space is blank too.
        const QString text = TextEncoding::decode(item, encoding).trimmed();
        if (!text.isEmpty())
            words.append({text, line});
    }
    return words;
}

WordListFile::LoadResult WordListFile::load(const QString &path)
{
    using Status = LoadResult::Status;
    const std::optional<QByteArray> bytes = WholeFile::read(path, MaxFileSize);
    if (!bytes)
        return {Status::Unreadable, {}};
    WordList words = parseWords(*bytes);
    if (words.isEmpty())
        return {Status::NoUsableWords, {}};
    return {Status::Loaded, std::move(words), SentenceFile::read(path)};
}

bool WordListFile::canStore(const QString &word)
{
    const auto breaksFormat = [](QChar c) { return c == u'"' || c == u'\r' || c == u'\n'; };
    // A lone surrogate has no UTF-8 form: it would be written as a different character.
    return word.size() <= MaxWordLength && std::none_of(word.cbegin(), word.cend(), breaksFormat)
        && QStringView(word).isValidUtf16();
}

std::optional<QByteArray> WordListFile::format(const QStringList &words)
{
    if (!std::all_of(words.cbegin(), words.cend(), canStore))
        return std::nullopt;

    QByteArray bytes;
    bytes.reserve(words.size() * (MaxWordLength + 4));
    for (const QString &word : words) {
        bytes += '"';
        bytes += word.toUtf8();
        bytes += "\"\r\n";
    }
    return bytes;
}

bool WordListFile::write(const QString &path, const QStringList &words)
{
    const std::optional<QByteArray> bytes = format(words);
    return bytes && WholeFile::write(path, *bytes);
}
