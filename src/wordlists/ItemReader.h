#pragma once

#include <QByteArrayView>

// Splits the bytes of a list or settings file into items. Items end at a comma or a line end
// (CR LF, or a lone CR or LF in hand-made files); the last one needs no line end. An item that
// begins with a double quote is the text up to the next quote on its line, commas included;
// anything after the closing quote up to the separator is ignored. Empty items are kept.
class ItemReader
{
public:
    explicit ItemReader(QByteArrayView bytes);

    // The next item, or false at the end of the file.
    bool next(QByteArrayView &item);

private:
    const char *endOfField(const char *from) const;
    void skipSeparator();

    const char *m_pos;
    const char *m_end;
    bool m_itemAfterComma = false;
};
