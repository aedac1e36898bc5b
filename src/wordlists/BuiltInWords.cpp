#include "wordlists/BuiltInWords.h"

#include "wordlists/WordListFile.h"

#include <QFile>

using namespace Qt::StringLiterals;

QByteArray BuiltInWords::bytes()
{
    QFile file(u":/wordlists/BuiltInWords.wdr"_s);
    // Compiled into the program: it can only fail to open if the build left it out.
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The built-in word list is missing from the program's resources");
    return file.readAll();
}

WordList BuiltInWords::words()
{
    return WordListFile::parseWords(bytes());
}
