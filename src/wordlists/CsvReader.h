#pragma once

#include "wordlists/ImportedWord.h"

#include <QStringView>

// A spreadsheet saved as CSV or TSV: the first column of each row. The separator is the comma,
// semicolon or tab the first row holds most of (spreadsheets in many languages use semicolons); a
// field in double quotes may hold separators, line breaks and doubled quotes. A first row headed
// like "Word" is a heading, not a word.
class CsvReader
{
public:
    static ImportedWords read(QStringView text);
};
