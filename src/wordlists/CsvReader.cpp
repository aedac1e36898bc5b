#include "wordlists/CsvReader.h"

#include <QStringList>

#include <algorithm>
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

bool isSentenceHeading(const QString &field)
{
    static const QStringList headings{u"sentence"_s, u"sentences"_s, u"example"_s, u"examples"_s,
        u"example sentence"_s, u"context"_s};
    return headings.contains(field, Qt::CaseInsensitive);
}

// Which column holds the words and which their sentences (-1 for none), by the first row.
struct Columns
{
    bool headed = false;
    qsizetype word = 0;
    qsizetype sentence = 1;
};

// A row headed like "Word" in its first column, or naming a column of sentences, is headings: a
// column of other things ("Meaning") holds no sentences. Without headings the second column is
// the sentence, as teachers' tables have it.
Columns columnsOf(const QStringList &firstRow)
{
    const auto headed = std::find_if(firstRow.cbegin(), firstRow.cend(), isHeading);
    const auto sentence = std::find_if(firstRow.cbegin(), firstRow.cend(), isSentenceHeading);
    if (sentence == firstRow.cend()) {
        if (!isHeading(firstRow.value(0)))
            return {};
        return {true, 0, -1};
    }
    return {true, headed == firstRow.cend() ? 0 : headed - firstRow.cbegin(),
        sentence - firstRow.cbegin()};
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

    // The fields of the next row and the line the row begins on; false at the end.
    bool next(QStringList &fields, int &line)
    {
        if (m_pos >= m_text.size())
            return false;
        line = m_line;
        fields = {field()};
        while (m_pos < m_text.size() && !isLineEnd(m_text[m_pos])) {
            ++m_pos; // the separator
            fields.append(field());
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
    QStringList fields;
    int line = 0;
    Columns columns;
    for (bool firstRow = true; rows.next(fields, line); firstRow = false) {
        if (firstRow) {
            columns = columnsOf(fields);
            if (columns.headed)
                continue;
        }
        const QString word = fields.value(columns.word);
        QString sentence = columns.sentence < 0 ? QString() : fields.value(columns.sentence);
        // Unheaded, a second column of single words is more words on a row, not a sentence.
        if (!columns.headed && !sentence.contains(u' '))
            sentence.clear();
        if (!word.isEmpty())
            words.append({word, line, sentence});
    }
    return words;
}
