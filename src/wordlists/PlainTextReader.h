#pragma once

#include "wordlists/ImportedWord.h"

#include <QStringView>

// Words typed or pasted as text: one per line (CR LF, LF or a lone CR), or several on a line
// separated by commas, semicolons or tabs. Spaces around a word are not part of it; empty items
// are passed over.
class PlainTextReader
{
public:
    static ImportedWords read(QStringView text);
    // Whether the text is a list rather than one word: a separator or a line end between its
    // first and last characters that are not blank.
    static bool isList(QStringView text);
};
