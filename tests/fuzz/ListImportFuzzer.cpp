#include "fuzz/FuzzCheck.h"
#include "wordlists/ListImport.h"
#include "wordlists/PlainTextReader.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

using Format = ListImport::Format;
using Status = ListImport::Result::Status;

// Whatever the bytes, every reader gives words that are there to judge: not empty, not padded,
// each on a line of the file at or after the one before.
void checkWords(QByteArrayView bytes, Format format)
{
    const ListImport::Result result = ListImport::read(bytes, format);
    fuzzCheck(
        (result.status == Status::Read) == !result.words.isEmpty(), "words exactly when read");
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
    int previous = 1;
    for (const ImportedWord &word : result.words) {
        fuzzCheck(!word.text.isEmpty(), "no empty word");
        fuzzCheck(word.text == word.text.trimmed(), "no blanks around a word");
        fuzzCheck(word.line >= previous, "words in file order");
        fuzzCheck(word.line <= lines, "a word's line is in the file");
        previous = word.line;
    }
}

// A pasted list never keeps a separator inside a word; one word is left to the box.
void checkPaste(QByteArrayView bytes)
{
    const QString text = QString::fromUtf8(bytes);
    for (const ImportedWord &word : PlainTextReader::read(text)) {
        for (const QChar c : {u',', u';', u'\t', u'\n', u'\r'})
            fuzzCheck(!word.text.contains(c), "no separator in a pasted word");
    }
    if (!PlainTextReader::isList(text))
        fuzzCheck(PlainTextReader::read(text).size() <= 1, "one word is not a list");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const Format format :
        {Format::PlainText, Format::Csv, Format::Tsv, Format::Kvtml, Format::WordList})
        checkWords(bytes, format);
    checkPaste(bytes);
    return 0;
}
