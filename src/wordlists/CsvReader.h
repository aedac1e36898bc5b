#pragma once

#include "wordlists/ImportedWord.h"

#include <QStringView>

// A spreadsheet saved as CSV or TSV: the first column of each row, or the one headed like "Word",
// and each word's sentence from the column headed Sentence, Example or Context, or without
// headings from the second column. The separator is the comma, semicolon or tab the first row
// holds most of (spreadsheets in many languages use semicolons); a field in double quotes may hold
// separators, line breaks and doubled quotes. A first row of such headings is no word.
class CsvReader
{
public:
    static ImportedWords read(QStringView text);
};
