#pragma once

#include "wordlists/ImportedWord.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Words brought in from another program's file: plain text, CSV or TSV, a KVTML vocabulary file,
// or one of Wordrow's own lists. The format follows the name's suffix; a name without a known one
// is read as KVTML when it looks like XML and as plain text otherwise.
class ListImport
{
public:
    // A week's words take a few hundred bytes; anything this large is not a word list.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    enum class Format { PlainText, Csv, Tsv, Kvtml, WordList };

    struct Result
    {
        enum class Status { Read, TooLarge, Unreadable, NotAList, NoWords };

        Status status = Status::Unreadable;
        // Empty unless read.
        ImportedWords words;
    };

    // The file dialog's filters, the importable files first.
    static QStringList nameFilters();
    static bool isImportable(const QString &path);

    static Result readFile(const QString &path);
    static Format formatOf(const QString &path, QByteArrayView bytes);
    static Result read(QByteArrayView bytes, Format format);
};
