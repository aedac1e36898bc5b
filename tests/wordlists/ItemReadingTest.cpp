#include "wordlists/WordListFile.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList words(QByteArrayView bytes)
{
    return WordListFile::parseWords(bytes).toStringList();
}

TEST(ItemReading, QuotedAndBareItemsAndTheirSeparators)
{
    EXPECT_EQ(words("CAT,DOG\r\n"), (QStringList{u"CAT"_s, u"DOG"_s}));
    EXPECT_EQ(words("\"CAT,DOG\"\r\n"), QStringList{u"CAT,DOG"_s});
    EXPECT_EQ(words("\"ICE CREAM\",  spaced out \r\n"),
        (QStringList{u"ICE CREAM"_s, u"  spaced out "_s}));
    EXPECT_EQ(words("\"LAST\""), QStringList{u"LAST"_s}) << "the last line needs no line end";
    EXPECT_EQ(words("lower\r\n"), QStringList{u"lower"_s});
}

TEST(ItemReading, EmptyItemsAreKept)
{
    EXPECT_EQ(words("\"A\"\r\n\r\n\"B\"\r\n"), (QStringList{u"A"_s, QString(), u"B"_s}));
    EXPECT_EQ(words("\"A\"\r\n\r\n"), (QStringList{u"A"_s, QString()}))
        << "an extra line end makes an empty last word";
    EXPECT_EQ(words("A,,B"), (QStringList{u"A"_s, QString(), u"B"_s}));
    EXPECT_EQ(words("A,"), (QStringList{u"A"_s, QString()}));
    EXPECT_TRUE(words("").isEmpty());
}

TEST(ItemReading, LoneCrOrLfEndLinesToo)
{
    const QStringList expected{u"ONE"_s, u"TWO"_s, u"THREE"_s};
    EXPECT_EQ(words("ONE\nTWO\nTHREE\n"), expected);
    EXPECT_EQ(words("ONE\rTWO\rTHREE\r"), expected);
    EXPECT_EQ(words("\"ONE\"\n\"TWO\"\r\n\"THREE\"\r"), expected);
}

TEST(ItemReading, OddQuotingStaysOnItsLine)
{
    // Text after a closing quote is dropped; an unclosed quote ends with its line.
    EXPECT_EQ(words("\"CAT\"S,DOG\r\n"), (QStringList{u"CAT"_s, u"DOG"_s}));
    EXPECT_EQ(words("\"OPEN\r\nNEXT\r\n"), (QStringList{u"OPEN"_s, u"NEXT"_s}));
    EXPECT_EQ(words("  \"PADDED\"  \r\n"), QStringList{u"PADDED"_s});
    EXPECT_EQ(words("\"\""), QStringList{QString()});
}

TEST(ItemReading, FifteenCharactersFitAndLongerItemsLeaveNoGap)
{
    const QStringList loaded = words("\"ABCDEFGHIJKLMNO\"\r\n"
                                     "\"ABCDEFGHIJKLMNOP\"\r\n"
                                     "\"NEXT\"\r\n");
    EXPECT_EQ(loaded, (QStringList{u"ABCDEFGHIJKLMNO"_s, u"NEXT"_s}));
}

TEST(ItemReading, TextIsUtf8WhenValidAndWindows1252Otherwise)
{
    EXPECT_EQ(words("\"CAF\xC3\x89\"\r\n"), QStringList{u"CAF\u00C9"_s});
    // The same word in an old 8-bit file, next to a curly quote from 0x80..0x9F.
    EXPECT_EQ(words("\"CAF\xC9\"\r\n\"\x93OK\x94\"\r\n"),
        (QStringList{u"CAF\u00C9"_s, u"\u201COK\u201D"_s}));
    // The limit counts characters, not bytes: 15 two-byte letters fit.
    const QByteArray fifteenE = QByteArray("\xC3\x89").repeated(15);
    EXPECT_EQ(words(fifteenE), QStringList{QString(15, QChar(0xC9))});
    EXPECT_TRUE(words(QByteArray(fifteenE + "\xC3\x89")).isEmpty());
}

TEST(ItemReading, Utf8MarkAtTheStartIsNotText)
{
    EXPECT_EQ(words("\xEF\xBB\xBF\"BOM\"\r\n\"AFTER\"\r\n"), (QStringList{u"BOM"_s, u"AFTER"_s}));
    EXPECT_EQ(words("\xEF\xBB\xBF"
                    "BARE,CAF\xC3\x89\r\n"),
        (QStringList{u"BARE"_s, u"CAF\u00C9"_s}));
    // Anywhere else U+FEFF is a character of its word.
    EXPECT_EQ(words("\"A\"\r\n\"\xEF\xBB\xBFX\"\r\n"), (QStringList{u"A"_s, u"\uFEFFX"_s}));
    EXPECT_EQ(words("\xEF\xBB\xBF\xEF\xBB\xBFY"), QStringList{u"\uFEFFY"_s});
}

TEST(ItemReading, KeepsTheFirst32767UsableWords)
{
    QByteArray bytes;
    for (int i = 0; i < 32'800; ++i)
        bytes += "\"W" + QByteArray::number(i) + "\"\r\n";
    const QStringList loaded = words(bytes);
    ASSERT_EQ(loaded.size(), 32'767);
    EXPECT_EQ(loaded.first(), u"W0");
    EXPECT_EQ(loaded.last(), u"W32766");
}

TEST(ItemReading, BinaryGarbageGivesShortWordsOrNothingButNeverFails)
{
    QByteArray garbage;
    quint32 x = 12345;
    for (int i = 0; i < 200'000; ++i) {
        x = x * 1664525u + 1013904223u;
        garbage += char(x >> 24);
    }
    const QStringList loaded = words(garbage);
    for (const QString &word : loaded)
        ASSERT_LE(word.size(), 15);
    EXPECT_LE(loaded.size(), 32'767);
}

} // namespace
