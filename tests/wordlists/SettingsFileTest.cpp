#include "wordlists/SettingsFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SettingsFileTest : public ::testing::Test
{
protected:
    SettingsFile::StartupSettings read() const { return SettingsFile::read(home.path()); }
    QByteArray bytes() const { return home.read(u"wordrow.ini"_s); }
    void put(const QByteArray &contents) const { home.write(u"wordrow.ini"_s, contents); }

    bool setHide(bool hide) const { return SettingsFile::rewriteKeepingLine1(home.path(), hide); }

    TempDir home;
};

TEST_F(SettingsFileTest, FirstRunFileNamesTheDefaultList)
{
    ASSERT_TRUE(SettingsFile::writeStartupList(
        home.path(), SettingsFile::defaultListPath(home.path()), false));
    const QByteArray path = QFile::encodeName(home.path()) + "/wordrow.wdr";
    EXPECT_EQ(bytes(), '"' + path + "\"\r\n#FALSE#\r\n");
    EXPECT_EQ(bytes().size(), path.size() + 13);

    const auto settings = read();
    EXPECT_EQ(settings.startupList, home.path() + u"/wordrow.wdr"_s);
    EXPECT_FALSE(settings.hideTitleScreen);
}

TEST_F(SettingsFileTest, StartupReadingFallsBack)
{
    struct Case
    {
        QByteArray file;
        QString list;
        bool hide;
    };
    const Case cases[] = {
        {"", u"wordrow.wdr"_s, false},
        {"\"\"\r\n#TRUE#\r\n", u"wordrow.wdr"_s, true},
        {"\r\n#TRUE#\r\n", u"wordrow.wdr"_s, true},
        {"\"/lists/week1.wdr\"\r\n", u"/lists/week1.wdr"_s, false},
        {"\"/lists/week1.wdr\"", u"/lists/week1.wdr"_s, false},
        {"\"/lists/week1.wdr\"\r\n#TRUE#\r\n", u"/lists/week1.wdr"_s, true},
        {"\"/lists/week1.wdr\"\r\n#true#\r\n", u"/lists/week1.wdr"_s, false},
        {"\"/lists/a,b.wdr\"\r\n#TRUE#", u"/lists/a,b.wdr"_s, true},
    };
    for (const Case &c : cases) {
        put(c.file);
        const auto settings = read();
        EXPECT_EQ(settings.startupList, c.list) << c.file.constData();
        EXPECT_EQ(settings.hideTitleScreen, c.hide) << c.file.constData();
    }
}

TEST_F(SettingsFileTest, HideAndShowChangeOnlyLineTwoKeepingLineOneByteForByte)
{
    // A name in an old 8-bit encoding, not valid UTF-8, must come back unchanged.
    const QByteArray line1 = "\"/home/z\xF6"
                             "e/Week 1, spelling.wdr\"\r\n";
    put(line1 + "#FALSE#\r\n");

    ASSERT_TRUE(setHide(true));
    EXPECT_EQ(bytes(), line1 + "#TRUE#\r\n");

    ASSERT_TRUE(setHide(false));
    EXPECT_EQ(bytes(), line1 + "#FALSE#\r\n");
}

TEST_F(SettingsFileTest, RewriteOfAMissingOrEmptyFileNamesTheDefaultList)
{
    const QByteArray expected
        = '"' + QFile::encodeName(home.path()) + "/wordrow.wdr\"\r\n#TRUE#\r\n";
    ASSERT_TRUE(setHide(true));
    EXPECT_EQ(bytes(), expected);

    put("");
    ASSERT_TRUE(setHide(true));
    EXPECT_EQ(bytes(), expected);
}

TEST_F(SettingsFileTest, FailedRewriteSaysSo)
{
    // A directory where the file should be: it can neither be read nor replaced.
    ASSERT_TRUE(QDir(home.path()).mkdir(u"wordrow.ini"_s));
    EXPECT_FALSE(setHide(true));
    EXPECT_TRUE(QFileInfo(home.filePath(u"wordrow.ini"_s)).isDir());

    EXPECT_FALSE(SettingsFile::rewriteKeepingLine1(home.filePath(u"gone"_s), true));
}

TEST_F(SettingsFileTest, PathsThatWouldBreakTheFormatAreNeverWritten)
{
    put("\"/lists/old.wdr\"\r\n#FALSE#\r\n");
    const QByteArray before = bytes();
    EXPECT_FALSE(SettingsFile::writeStartupList(home.path(), u"/lists/say \"hi\".wdr"_s, false));
    EXPECT_FALSE(SettingsFile::writeStartupList(home.path(), u"/lists/two\nlines.wdr"_s, false));
    EXPECT_EQ(bytes(), before);

    EXPECT_TRUE(SettingsFile::writeStartupList(home.path(), u"/lists/caf\u00E9.wdr"_s, true));
    EXPECT_EQ(bytes(), QByteArray("\"/lists/caf\xC3\xA9.wdr\"\r\n#TRUE#\r\n"));
    EXPECT_EQ(read().startupList, u"/lists/caf\u00E9.wdr");
}

TEST_F(SettingsFileTest, LineOneIsReadAsStored)
{
    EXPECT_FALSE(SettingsFile::readLine1(home.path()).has_value());
    put("\"/lists/Week1.wdr\"\r\n#TRUE#\r\n");
    EXPECT_EQ(SettingsFile::readLine1(home.path()), QByteArray("/lists/Week1.wdr"));
}

} // namespace
