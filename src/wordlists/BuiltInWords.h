#pragma once

#include "core/WordList.h"

#include <QByteArray>

// The words the program carries itself, kept as a word-list file among its resources. They reach
// the game through the default list file, which is written from them whenever it is missing, or
// straight from here when no list on disk can be loaded.
struct BuiltInWords
{
    // The file's bytes, exactly as a first start writes the default list.
    static QByteArray bytes();
    // The words, read by the same parser as every list on disk.
    static WordList words();
};
