#include "wordlists/ItemReader.h"

namespace {
bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isSeparator(char c)
{
    return c == ',' || isLineEnd(c);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
} // namespace

ItemReader::ItemReader(QByteArrayView bytes)
    : m_pos(bytes.data())
    , m_end(bytes.data() + bytes.size())
{
}

bool ItemReader::next(QByteArrayView &item)
{
    if (m_pos == m_end && !m_itemAfterComma)
        return false;
    m_itemAfterComma = false;

    const char *start = m_pos;
    while (start != m_end && isBlank(*start))
        ++start;

    if (start != m_end && *start == '"') {
        const char *close = start + 1;
        while (close != m_end && *close != '"' && !isLineEnd(*close))
            ++close;
        item = QByteArrayView(start + 1, close);
        m_pos = endOfField(close);
    } else {
        const char *end = endOfField(m_pos);
        item = QByteArrayView(m_pos, end);
        m_pos = end;
    }
    skipSeparator();
    return true;
}

const char *ItemReader::endOfField(const char *from) const
{
    while (from != m_end && !isSeparator(*from))
        ++from;
    return from;
}

void ItemReader::skipSeparator()
{
    if (m_pos == m_end)
        return;
    const char separator = *m_pos++;
    if (separator == ',')
        m_itemAfterComma = true;
    else if (separator == '\r' && m_pos != m_end && *m_pos == '\n')
        ++m_pos;
}
