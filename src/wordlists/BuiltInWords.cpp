#include "wordlists/BuiltInWords.h"

QStringList BuiltInWords::words()
{
    QStringList list;
    list.reserve(qsizetype(entries.size()));
    for (const QStringView word : entries)
        list.append(word.toString());
    return list;
}
