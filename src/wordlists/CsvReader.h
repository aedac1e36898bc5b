#pragma once

#include "wordlists/ImportedWord.h"

#include <QStringView>

#include <optional>

// A spreadsheet saved as CSV or TSV: the first column of each row, or the one headed like "Word",
// and each word's sentence from the column headed Sentence, Example or Context, or without
// headings from the second column. Unless given, the separator is the tab if the first row holds
// one (a sentence column of a TSV file holds commas), else the comma or semicolon it holds more of
// (spreadsheets in many languages use semicolons); a field in double quotes may hold separators,
// line breaks and doubled quotes. A first row of such headings is no word.
class CsvReader
{
public:
    static ImportedWords read(QStringView text, std::optional<QChar> separator = std::nullopt);
};
