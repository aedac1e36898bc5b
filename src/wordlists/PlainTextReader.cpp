#include "wordlists/PlainTextReader.h"

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

bool isSeparator(QChar c)
{
    return c == u',' || c == u';' || c == u'\t';
}

} // namespace

ImportedWords PlainTextReader::read(QStringView text)
{
    ImportedWords words;
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool atEnd = i == text.size();
        if (!atEnd && !isLineEnd(text[i]) && !isSeparator(text[i]))
            continue;
        const QStringView item = text.sliced(start, i - start).trimmed();
        if (!item.isEmpty())
            words.append({item.toString(), line});
        start = i + 1;
        if (!atEnd && isLineEnd(text[i])) {
            // CR LF is one line end.
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                start = ++i + 1;
            ++line;
        }
    }
    return words;
}

bool PlainTextReader::isList(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    for (const QChar c : trimmed) {
        if (isLineEnd(c) || isSeparator(c))
            return true;
    }
    return false;
}
