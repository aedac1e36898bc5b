#pragma once

#include "core/Sentences.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The sentences of a list, in a companion file beside it: "week.wdr" keeps them in
// "week.sentences.tsv", a table of two columns headed Word and Sentence, UTF-8 with CR LF line
// ends. The list file itself stays as it has always been, so every reader of lists still reads it;
// handing out the two files hands out the sentences, and any spreadsheet opens the table.
class SentenceFile
{
public:
    static constexpr QStringView Suffix = u".sentences.tsv";
    static constexpr QStringView Heading = u"Word\tSentence";
    // Every word of the longest list with a sentence of the longest kind, and room to spare.
    static constexpr qint64 MaxFileSize = 32 * 1024 * 1024;

    // "folder/week.wdr" gives "folder/week.sentences.tsv".
    static QString pathFor(const QString &listPath);

    // The sentences beside the list: none when the file is missing, is no such table, or is not
    // UTF-8. A row that does not hold a word and a sentence that passes the check is passed over.
    static Sentences read(const QString &listPath);
    static Sentences parse(QByteArrayView bytes);

    // Writes the sentences of these words, in list order, atomically. With none to write, a file
    // left beside the list from before is removed instead: it would lend the list stale sentences.
    static bool write(
        const QString &listPath, const QStringList &words, const Sentences &sentences);
    static QByteArray format(const QStringList &words, const Sentences &sentences);
};
