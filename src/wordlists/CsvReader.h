#pragma once

#include "wordlists/ImportedWord.h"

#include <QStringView>

#include <optional>

// A spreadsheet saved as CSV or TSV: the first column of each row. Unless given, the separator is
// the tab if the first row holds one (a sentence column of a TSV file holds commas), else the
// comma or semicolon it holds more of (spreadsheets in many languages use semicolons); a field in
// double quotes may hold separators, line breaks and doubled quotes. A first row headed like
// "Word" is a heading, not a word.
class CsvReader
{
public:
    static ImportedWords read(QStringView text, std::optional<QChar> separator = std::nullopt);
};
