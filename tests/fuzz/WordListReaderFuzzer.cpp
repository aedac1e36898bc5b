#include "fuzz/FuzzCheck.h"
#include "wordlists/TextEncoding.h"
#include "wordlists/WordListFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHashFunctions>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

// Some small inputs are also read repeated until they hold more words than a list may keep: one in
// RepeatOneIn, as such a long file costs as much as hundreds of short ones.
constexpr qsizetype MaxRepeatedInput = 8;
constexpr std::size_t RepeatOneIn = 64;

QByteArrayView viewOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}

void checkShape(const QStringList &words)
{
    fuzzCheck(words.size() <= WordListFile::MaxWords, "at most MaxWords words");
    for (const QString &word : words)
        fuzzCheck(word.size() <= WordListFile::MaxWordLength, "no word over MaxWordLength");
}

// The bytes a Windows-1252 file holds for a character, built from single-byte decoding.
const std::array<std::optional<char>, 0x10000> &windows1252Bytes()
{
    static const auto table = [] {
        std::array<std::optional<char>, 0x10000> bytes{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString text = TextEncoding::decode(
                QByteArrayView(&byte, 1), TextEncoding::Encoding::Windows1252);
            fuzzCheck(text.size() == 1, "one character per Windows-1252 byte");
            fuzzCheck(!bytes[text[0].unicode()], "Windows-1252 decodes no two bytes alike");
            bytes[text[0].unicode()] = byte;
        }
        return bytes;
    }();
    return table;
}

QByteArray encodeAs(const QString &word, TextEncoding::Encoding encoding)
{
    if (encoding != TextEncoding::Encoding::Windows1252)
        return word.toUtf8();
    QByteArray bytes;
    for (const QChar c : word) {
        const std::optional<char> byte = windows1252Bytes()[c.unicode()];
        fuzzCheck(byte.has_value(), "a Windows-1252 word holds Windows-1252 characters only");
        bytes += *byte;
    }
    return bytes;
}

// Every word is the text of some stretch of the file, in file order: nothing is made up, nothing
// is read twice. ASCII files give their items byte for byte.
void checkWordsComeFromTheFile(QByteArrayView bytes, const QStringList &words)
{
    const TextEncoding::Encoding encoding = TextEncoding::detect(bytes);
    const bool ascii
        = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    fuzzCheck(ascii == (encoding == TextEncoding::Encoding::Ascii), "ASCII detected as such");
    qsizetype from = 0;
    for (const QString &word : words) {
        const QByteArray stored = encodeAs(word, encoding);
        if (ascii)
            fuzzCheck(stored == word.toLatin1(), "ASCII words are their bytes");
        fuzzCheck(!stored.contains('\r') && !stored.contains('\n'), "no line end in a word");
        const qsizetype at = bytes.indexOf(stored, from);
        fuzzCheck(at >= 0, "each word stands in the file after the one before");
        from = at + stored.size();
    }
}

// What the writer stores reads back as the same words.
void checkRoundTrip(const QStringList &candidates)
{
    QStringList storable;
    std::copy_if(candidates.cbegin(), candidates.cend(), std::back_inserter(storable),
        WordListFile::canStore);
    if (storable.size() > WordListFile::MaxWords)
        storable.resize(WordListFile::MaxWords);
    const std::optional<QByteArray> bytes = WordListFile::format(storable);
    fuzzCheck(bytes.has_value(), "storable words are formatted");
    fuzzCheck(WordListFile::parseWords(*bytes).toStringList() == storable,
        "written words read back the same");
}

// A line end at the end of a file adds at most an empty word; a file repeated reads as its words
// repeated, up to the first MaxWords of them.
void checkRepeated(QByteArrayView bytes, const QStringList &words)
{
    // Ending each copy with a line end keeps the copies' items apart.
    const QByteArray copy = bytes.toByteArray() + "\r\n";
    const QStringList once = WordListFile::parseWords(copy).toStringList();
    fuzzCheck(once.mid(0, words.size()) == words, "a line end added keeps the words");
    fuzzCheck(once.size() - words.size() <= 1, "a line end added adds at most an empty word");
    if (once.isEmpty())
        return;
    // A UTF-8 mark belongs at the start of the file only: later it is a character of a word.
    constexpr QByteArrayView Utf8Bom = "\xEF\xBB\xBF";
    const qsizetype mark = copy.startsWith(Utf8Bom) ? Utf8Bom.size() : 0;
    const qsizetype copies = WordListFile::MaxWords / once.size() + 2;
    const QByteArray file = copy.first(mark) + copy.sliced(mark).repeated(copies);
    const WordList repeated = WordListFile::parseWords(file);
    fuzzCheck(repeated.size() == WordListFile::MaxWords, "a long file keeps exactly MaxWords");
    for (qsizetype i = 0; i < repeated.size(); ++i)
        fuzzCheck(repeated.at(i) == once[i % once.size()], "repeated files repeat their words");
}

// Arbitrary text, not just what the reader gives, for the writer: the input as UTF-16 words.
QStringList utf16Words(QByteArrayView bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), bytes.data(), std::size_t(text.size()) * sizeof(QChar));
    return text.split(u'\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes = viewOf(data, size);
    const QStringList words = WordListFile::parseWords(bytes).toStringList();
    checkShape(words);
    checkWordsComeFromTheFile(bytes, words);
    checkRoundTrip(words);
    if (bytes.size() <= MaxRepeatedInput && qHash(bytes) % RepeatOneIn == 0)
        checkRepeated(bytes, words);
    checkRoundTrip(utf16Words(bytes));
    return 0;
}
