#include "core/WordList.h"

WordList::WordList(std::initializer_list<QStringView> words)
{
    for (const QStringView word : words)
        append(word);
}

QStringView WordList::at(qsizetype index) const
{
    const qsizetype start = index == 0 ? 0 : m_ends[std::size_t(index - 1)];
    return QStringView(m_text).sliced(start, m_ends[std::size_t(index)] - start);
}

void WordList::reserve(qsizetype words, qsizetype characters)
{
    m_ends.reserve(std::size_t(words));
    m_text.reserve(characters);
}

void WordList::append(QStringView word)
{
    m_text.append(word);
    m_ends.push_back(m_text.size());
}

void WordList::appendLatin1(QByteArrayView word)
{
    m_text.append(QLatin1String(word));
    m_ends.push_back(m_text.size());
}

QStringList WordList::toStringList() const
{
    QStringList words;
    words.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        words.append(at(i).toString());
    return words;
}

bool WordList::containsOtherThan(QStringView word) const
{
    for (qsizetype i = 0; i < size(); ++i) {
        if (at(i) != word)
            return true;
    }
    return false;
}

void WordList::swap(WordList &other) noexcept
{
    m_text.swap(other.m_text);
    m_ends.swap(other.m_ends);
}
