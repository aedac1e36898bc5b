#pragma once

#include "wordlists/ImportedWord.h"

#include <QByteArrayView>

#include <optional>

// Vocabulary files in the KVTML format, version 1 (entries <e> with the first language in <o>)
// and version 2 (entries whose translation of the first identifier holds a <text>). Only the
// first language's words are read, with the <example> sentence of each in version 2; hints,
// comments and the other languages are left out.
class KvtmlReader
{
public:
    // nullopt for anything that is not well-formed XML with a <kvtml> root.
    static std::optional<ImportedWords> read(QByteArrayView bytes);
};
