#include "wordlists/BuiltInWords.h"
#include "wordlists/WordListFile.h"

#include <QCryptographicHash>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

TEST(BuiltInWords, AreExactlyTheDefaultListAsShipped)
{
    const QByteArray bytes = BuiltInWords::bytes();
    // The default list every earlier version wrote at a first start, byte for byte.
    EXPECT_EQ(bytes.size(), 4247);
    EXPECT_EQ(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(),
        "43043b5af4d2a883e2b4f38c08e8c01d9cc62798754e5d828d1ef10713e2edfb");
    EXPECT_EQ(bytes.count("\r\n"), 463);
    EXPECT_TRUE(bytes.startsWith("\"ABLE\"\r\n\"ABOUT\"\r\n\"ABOVE\"\r\n"));

    // Read by the list parser and written back by the list writer, they come out the same.
    const WordList words = BuiltInWords::words();
    ASSERT_EQ(words.size(), 463);
    EXPECT_EQ(WordListFile::format(words.toStringList()), bytes);
    EXPECT_EQ(words.at(0), u"ABLE");
    EXPECT_EQ(words.at(428), u"WENT");
    EXPECT_EQ(words.at(429), u"WARM");
    EXPECT_EQ(words.at(435), u"WENT");
    EXPECT_EQ(words.at(462), u"YOURSELF");
}

TEST(BuiltInWords, AreSortedPlayableWordsOfFourToElevenLetters)
{
    const QStringList words = BuiltInWords::words().toStringList();
    std::map<qsizetype, int> lengths;
    int apostrophes = 0;
    for (const QString &word : words) {
        ++lengths[word.size()];
        apostrophes += word.contains(u'\'') ? 1 : 0;
        for (const QChar c : word) {
            // Each one a letter button finds.
            ASSERT_TRUE((c >= u'A' && c <= u'Z') || c == u'\'') << qPrintable(word);
        }
    }
    EXPECT_EQ(apostrophes, 9);
    EXPECT_EQ(lengths,
        (std::map<qsizetype, int>{
            {4, 192}, {5, 120}, {6, 78}, {7, 43}, {8, 19}, {9, 5}, {10, 5}, {11, 1}}));

    // In code order, but for the first WENT standing early among the W words.
    QStringList rest = words;
    rest.removeAt(428);
    EXPECT_TRUE(std::is_sorted(rest.cbegin(), rest.cend()));
    EXPECT_EQ(words.count(u"WENT"_s), 2);
    EXPECT_EQ(QSet<QString>(words.cbegin(), words.cend()).size(), 462);
}

} // namespace
