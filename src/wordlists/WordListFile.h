#pragma once

#include "core/Sentences.h"
#include "core/WordList.h"
#include "wordlists/ImportedWord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// Word-list files: one quoted word per line, CR LF line ends.
class WordListFile
{
public:
    static constexpr int MaxWordLength = 15;
    // A longer list plays its first words only, as it always has.
    static constexpr int MaxWords = 32767;
    // Far beyond any real list; a larger file is refused rather than read into memory.
    static constexpr qint64 MaxFileSize = 256 * 1024 * 1024;

    // The name filter of every file dialog that chooses a list.
    static constexpr QStringView NameFilter = u"Wordrow Files(*.wdr)";

    // A file's words, or why there are none. The caller puts them in play; on a failure the list
    // in play stays as it was.
    struct LoadResult
    {
        enum class Status { Loaded, Unreadable, NoUsableWords };

        Status status = Status::Unreadable;
        // Empty unless loaded.
        WordList words;
        // From the companion file beside the list, if there is one that reads.
        Sentences sentences{};

        bool isLoaded() const { return status == Status::Loaded; }
    };

    // Never an empty list when loaded: a file without a single usable word is a failure.
    static LoadResult load(const QString &path);

    // Writes the words atomically, replacing any file at the path. Refuses (and writes nothing)
    // when a word could not be read back as it is: a quote, a line break, a lone surrogate, or
    // too long.
    static bool write(const QString &path, const QStringList &words);

    // The usable words of a file's contents: items of at most MaxWordLength characters, in file
    // order, at most MaxWords of them.
    static WordList parseWords(QByteArrayView bytes);

    // Every item that is not empty, decoded as parseWords decodes it but none left out, with the
    // line it stands on: what an import judges and reports on.
    static ImportedWords parseItems(QByteArrayView bytes);

    // The file's bytes for these words; nullopt when a word cannot be stored.
    static std::optional<QByteArray> format(const QStringList &words);

    static bool canStore(const QString &word);
};
