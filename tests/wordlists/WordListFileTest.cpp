#include "wordlists/WordListFile.h"
#include "core/GameState.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::StringLiterals;
using LoadResult = WordListFile::LoadResult;

namespace {

class WordListFileTest : public ::testing::Test
{
protected:
    WordListFileTest() { state.words = {u"KEEP"_s, u"THESE"_s}; }

    void expectListKept() const
    {
        EXPECT_EQ(state.words.toStringList(), (QStringList{u"KEEP"_s, u"THESE"_s}));
        EXPECT_EQ(state.lastWordIndex(), 1);
    }

    TempDir dir;
    GameState state;
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
    ASSERT_EQ(WordListFile::load(state, path), LoadResult::Loaded);
    EXPECT_EQ(state.words.toStringList(), words);
    EXPECT_EQ(state.lastWordIndex(), 9);
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

TEST_F(WordListFileTest, LoadThatFailsKeepsTheListInPlay)
{
    EXPECT_EQ(WordListFile::load(state, dir.filePath(u"missing.wdr"_s)), LoadResult::Unreadable);
    expectListKept();

    EXPECT_EQ(WordListFile::load(state, dir.path()), LoadResult::Unreadable);
    expectListKept();

    const QString tooLong = dir.write(u"long.wdr"_s, "\"ABCDEFGHIJKLMNOP\"\r\n");
    EXPECT_EQ(WordListFile::load(state, tooLong), LoadResult::NoUsableWords);
    expectListKept();

    const QString empty = dir.write(u"empty.wdr"_s, "");
    EXPECT_EQ(WordListFile::load(state, empty), LoadResult::NoUsableWords);
    expectListKept();

    // Sparse, so it costs no disk; it must be refused before anything is read.
    const QString huge = dir.write(u"huge.wdr"_s, "\"BIG\"\r\n");
    ASSERT_TRUE(QFile::resize(huge, WordListFile::MaxFileSize + 1));
    EXPECT_EQ(WordListFile::load(state, huge), LoadResult::Unreadable);
    expectListKept();
}

TEST_F(WordListFileTest, LoadsAFifoAsUnreadableWithoutBlocking)
{
    const QByteArray fifo = QFile::encodeName(dir.filePath(u"pipe.wdr"_s));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    EXPECT_EQ(WordListFile::load(state, QFile::decodeName(fifo)), LoadResult::Unreadable);
    expectListKept();
}

TEST_F(WordListFileTest, LoadsRelativeNamesFromTheCurrentDirectory)
{
    dir.write(u"here.wdr"_s, "\"HERE\"\r\n\"THERE\"\r\n");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const LoadResult result = WordListFile::load(state, u"here.wdr"_s);
    QDir::setCurrent(previous);
    EXPECT_EQ(result, LoadResult::Loaded);
    EXPECT_EQ(state.words.toStringList(), (QStringList{u"HERE"_s, u"THERE"_s}));
}

} // namespace
