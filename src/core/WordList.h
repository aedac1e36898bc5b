#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <initializer_list>
#include <vector>

// The words of a list, in order, kept as one run of text: a list of tens of thousands of words
// loads without a heap block per word.
class WordList
{
public:
    WordList() = default;
    WordList(std::initializer_list<QStringView> words);

    qsizetype size() const { return qsizetype(m_ends.size()); }
    bool isEmpty() const { return m_ends.empty(); }
    QStringView at(qsizetype index) const;

    void reserve(qsizetype words, qsizetype characters);
    void append(QStringView word);
    void appendLatin1(QByteArrayView word);

    QStringList toStringList() const;
    bool containsOtherThan(QStringView word) const;

    void swap(WordList &other) noexcept;

private:
    QString m_text;
    std::vector<qsizetype> m_ends;
};
