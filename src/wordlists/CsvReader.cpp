#include "wordlists/CsvReader.h"

#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

QChar separatorOf(QStringView text)
{
    constexpr std::array<char16_t, 3> candidates{u',', u';', u'\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && isLineEnd(c))
            break;
        for (std::size_t k = 0; k < candidates.size(); ++k)
            counts[k] += !quoted && c == candidates[k];
    }
    if (counts[2] > 0)
        return u'\t';
    std::size_t best = 0;
    for (std::size_t k = 1; k < candidates.size(); ++k) {
        if (counts[k] > counts[best])
            best = k;
    }
    return QChar(candidates[best]);
}

bool isHeading(const QString &field)
{
    static const QStringList headings{u"word"_s, u"words"_s, u"spelling"_s, u"spellings"_s,
        u"spelling word"_s, u"spelling words"_s, u"vocabulary"_s};
    return headings.contains(field, Qt::CaseInsensitive);
}

// Walks the text field by field, keeping the first of each row.
class Rows
{
public:
    Rows(QStringView text, QChar separator)
        : m_text(text)
        , m_separator(separator)
    {
    }

    // The first field of the next row and the line the row begins on; false at the end.
    bool next(QString &first, int &line)
    {
        if (m_pos >= m_text.size())
            return false;
        line = m_line;
        first = field();
        while (m_pos < m_text.size() && !isLineEnd(m_text[m_pos])) {
            ++m_pos; // the separator
            field();
        }
        skipLineEnd();
        return true;
    }

private:
    QString field()
    {
        QString value;
        while (m_pos < m_text.size() && m_text[m_pos] == u' ')
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
            ++m_pos;
            while (m_pos < m_text.size()) {
                const QChar c = m_text[m_pos++];
                if (c == u'"') {
                    if (m_pos < m_text.size() && m_text[m_pos] == u'"')
                        ++m_pos;
                    else
                        break;
                } else if (c == u'\n' || (c == u'\r' && !nextIs(u'\n'))) {
                    ++m_line;
                }
                value += c;
            }
        }
        // Unquoted text, or whatever follows a closing quote, up to the separator.
        while (m_pos < m_text.size() && m_text[m_pos] != m_separator && !isLineEnd(m_text[m_pos]))
            value += m_text[m_pos++];
        return value.trimmed();
    }

    bool nextIs(QChar c) const { return m_pos < m_text.size() && m_text[m_pos] == c; }

    void skipLineEnd()
    {
        if (m_pos < m_text.size() && m_text[m_pos] == u'\r')
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
        ++m_line;
    }

    QStringView m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace

ImportedWords CsvReader::read(QStringView text, std::optional<QChar> separator)
{
    ImportedWords words;
    Rows rows(text, separator.value_or(separatorOf(text)));
    QString first;
    int line = 0;
    for (bool firstRow = true; rows.next(first, line); firstRow = false) {
        if (!first.isEmpty() && !(firstRow && isHeading(first)))
            words.append({first, line});
    }
    return words;
}
