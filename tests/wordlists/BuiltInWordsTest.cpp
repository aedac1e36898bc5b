#include "wordlists/BuiltInWords.h"
#include "core/GameState.h"
#include "support/TempDir.h"
#include "wordlists/WordListFile.h"

#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

TEST(BuiltInWords, DefaultListFileIsExactlyAsShipped)
{
    TempDir dir;
    const QString path = dir.filePath(u"wordrow.wdr"_s);
    ASSERT_TRUE(WordListFile::write(path, BuiltInWords::words()));

    const QByteArray bytes = dir.read(u"wordrow.wdr"_s);
    EXPECT_EQ(bytes.size(), 4247);
    EXPECT_EQ(bytes.count("\r\n"), 463);
    EXPECT_TRUE(bytes.startsWith("\"ABLE\"\r\n\"ABOUT\"\r\n\"ABOVE\"\r\n"));
    EXPECT_TRUE(bytes.endsWith("\"YOURSELF\"\r\n"));

    GameState state;
    ASSERT_EQ(WordListFile::load(state, path), WordListFile::LoadResult::Loaded);
    EXPECT_EQ(state.lastWordIndex(), 462);
    EXPECT_EQ(state.words.at(0), u"ABLE");
    EXPECT_EQ(state.words.at(428), u"WENT");
    EXPECT_EQ(state.words.at(429), u"WARM");
    EXPECT_EQ(state.words.at(435), u"WENT");
    EXPECT_EQ(state.words.at(462), u"YOURSELF");
}

TEST(BuiltInWords, AreSortedPlayableWordsOfFourToElevenLetters)
{
    const QStringList words = BuiltInWords::words();
    const auto letters = GameState::letterSet();
    std::map<qsizetype, int> lengths;
    int apostrophes = 0;
    for (const QString &word : words) {
        ++lengths[word.size()];
        apostrophes += word.contains(u'\'') ? 1 : 0;
        for (const QChar c : word) {
            ASSERT_TRUE(c.isUpper() || c == u'\'') << qPrintable(word);
            ASSERT_NE(std::find(letters.begin(), letters.end(), QString(c)), letters.end());
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
