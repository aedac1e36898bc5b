#include "wordlists/WordListFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::StringLiterals;
using Status = WordListFile::LoadResult::Status;

namespace {

class WordListFileTest : public ::testing::Test
{
protected:
    // A failure gives no words: the caller's list in play is left alone.
    static void expectFailure(const QString &path, Status status)
    {
        const WordListFile::LoadResult result = WordListFile::load(path);
        EXPECT_EQ(result.status, status) << path.toStdString();
        EXPECT_FALSE(result.isLoaded());
        EXPECT_TRUE(result.words.isEmpty()) << path.toStdString();
    }

    TempDir dir;
};

TEST_F(WordListFileTest, WritesQuotedWordsWithCrLf)
{
    const QString path = dir.filePath(u"two.wdr"_s);
    ASSERT_TRUE(WordListFile::write(path, {u"ABLE"_s, u"ABOUT"_s}));
    EXPECT_EQ(dir.read(u"two.wdr"_s), QByteArray("\"ABLE\"\r\n\"ABOUT\"\r\n"));
    EXPECT_EQ(dir.read(u"two.wdr"_s).size(), 17);
}

TEST_F(WordListFileTest, WhatIsWrittenReadsBackExactly)
{
    const QStringList words{u"CAN'T"_s, u"X-RAY"_s, QString(), u"ICE CREAM"_s, u"A,B"_s, u"lower"_s,
        u"ABCDEFGHIJKLMNO"_s, u"CAN'T"_s, u"\U0001F600 OK"_s, u"\uFEFFZERO"_s};
    const QString path = dir.filePath(u"round.wdr"_s);
    ASSERT_TRUE(WordListFile::write(path, words));
    const WordListFile::LoadResult result = WordListFile::load(path);
    ASSERT_TRUE(result.isLoaded());
    EXPECT_EQ(result.words.toStringList(), words);
}

TEST_F(WordListFileTest, RefusesWordsThatWouldNotReadBack)
{
    const QString path = dir.write(u"old.wdr"_s, "\"OLD\"\r\n");
    const QString loneSurrogate = u"AB"_s + QChar(0xD83D) + u"C"_s;
    for (const QString &bad :
        {u"SAY \"HI\""_s, u"TWO\nLINES"_s, u"ABCDEFGHIJKLMNOP"_s, loneSurrogate}) {
        EXPECT_FALSE(WordListFile::write(path, {u"GOOD"_s, bad}));
        EXPECT_EQ(dir.read(u"old.wdr"_s), QByteArray("\"OLD\"\r\n")) << "nothing written";
    }
}

TEST_F(WordListFileTest, FailedWriteSaysSoAndKeepsTheOldFile)
{
    const QString path = dir.write(u"old.wdr"_s, "\"OLD\"\r\n");
    // A directory in the way cannot be replaced by a file.
    QDir(dir.path()).mkdir(u"taken.wdr"_s);
    EXPECT_FALSE(WordListFile::write(dir.filePath(u"taken.wdr"_s), {u"NEW"_s}));
    EXPECT_FALSE(WordListFile::write(dir.filePath(u"no/such/dir.wdr"_s), {u"NEW"_s}));

    if (::geteuid() != 0) { // root writes anywhere
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(WordListFile::write(path, {u"NEW"_s}));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_EQ(dir.read(u"old.wdr"_s), QByteArray("\"OLD\"\r\n"));
}

TEST_F(WordListFileTest, LoadThatFailsSaysWhyAndGivesNoWords)
{
    // Sparse, so it costs no disk; it must be refused before anything is read.
    const QString huge = dir.write(u"huge.wdr"_s, "\"BIG\"\r\n");
    ASSERT_TRUE(QFile::resize(huge, WordListFile::MaxFileSize + 1));
    const struct
    {
        QString path;
        Status status;
    } cases[] = {
        {dir.filePath(u"missing.wdr"_s), Status::Unreadable},
        {dir.path(), Status::Unreadable},
        {dir.write(u"long.wdr"_s, "\"ABCDEFGHIJKLMNOP\"\r\n"), Status::NoUsableWords},
        {dir.write(u"empty.wdr"_s, ""), Status::NoUsableWords},
        {huge, Status::Unreadable},
    };
    for (const auto &c : cases)
        expectFailure(c.path, c.status);
}

TEST_F(WordListFileTest, LoadsAFifoAsUnreadableWithoutBlocking)
{
    const QByteArray fifo = QFile::encodeName(dir.filePath(u"pipe.wdr"_s));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    expectFailure(QFile::decodeName(fifo), Status::Unreadable);
}

TEST_F(WordListFileTest, LoadsRelativeNamesFromTheCurrentDirectory)
{
    dir.write(u"here.wdr"_s, "\"HERE\"\r\n\"THERE\"\r\n");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const WordListFile::LoadResult result = WordListFile::load(u"here.wdr"_s);
    QDir::setCurrent(previous);
    EXPECT_TRUE(result.isLoaded());
    EXPECT_EQ(result.words.toStringList(), (QStringList{u"HERE"_s, u"THERE"_s}));
}

} // namespace

// Whatever lies beside a list under its sentences' name, the list loads whole; only a table of
// ours lends it sentences, and only its rows that check.
TEST_F(WordListFileTest, ADamagedOrForeignSentenceFileGivesNoSentencesAndNeverLosesTheList)
{
    const QString list = dir.write(u"week.wdr"_s, "\"THERE\"\r\n\"THEIR\"\r\n");
    const struct
    {
        const char *name;
        QByteArray bytes;
        qsizetype sentences;
    } table[]{
        {"ours", "Word\tSentence\r\nTHERE\tPut it over there.\r\n", 1},
        {"rows that do not check",
            "Word\tSentence\nTHERE\tOne\ttab too many\n\tno word\nTHEIR\t"
            "\x01"
            "bell\nTHEIR\tIt is their cat.",
            1},
        {"not UTF-8", "Word\tSentence\r\nTHERE\tPut it over th\xE9re.\r\n", 0},
        {"another program's table", "Name,Notes\r\nTHERE,Put it over there.\r\n", 0},
        {"binary", QByteArray("\x89PNG\r\n\x1A\n\0\0", 10), 0},
        {"empty", "", 0},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.name);
        dir.write(u"week.sentences.tsv"_s, row.bytes);
        const WordListFile::LoadResult loaded = WordListFile::load(list);
        ASSERT_TRUE(loaded.isLoaded());
        EXPECT_EQ(loaded.words.size(), 2);
        EXPECT_EQ(loaded.sentences.size(), row.sentences);
    }
    ASSERT_TRUE(QFile::remove(dir.filePath(u"week.sentences.tsv"_s)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"week.sentences.tsv"_s));
    EXPECT_TRUE(WordListFile::load(list).sentences.isEmpty()) << "a folder in its place";
}
