#include "platform/DiskFileSystem.h"
#include "platform/QtFileDialogs.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(QtFileDialogs, turnsDescriptionAndPatternPairsIntoTheDialogsFilters)
{
    EXPECT_EQ(QtFileDialogs::nameFilters(u"Wordrow Files(*.wdr)|*.wdr"_s),
        QStringList{u"Wordrow Files(*.wdr)"_s});
    EXPECT_EQ(QtFileDialogs::nameFilters(u"Lists|*.wdr;*.txt|All files|*"_s),
        (QStringList{u"Lists (*.wdr *.txt)"_s, u"All files (*)"_s}));
    EXPECT_TRUE(QtFileDialogs::nameFilters(QString()).isEmpty());
}

TEST(DiskFileSystem, saysWhetherAFileIsGoneAfterRemovingIt)
{
    TempDir dir;
    DiskFileSystem files;
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    EXPECT_TRUE(files.exists(list));
    EXPECT_TRUE(files.remove(list));
    EXPECT_FALSE(files.exists(list));
    // Already gone is gone.
    EXPECT_TRUE(files.remove(list));

    const QString link = dir.filePath(u"dangling.wdr"_s);
    ASSERT_TRUE(QFile::link(dir.filePath(u"nowhere"_s), link));
    EXPECT_TRUE(files.remove(link));
    EXPECT_FALSE(QFileInfo(link).isSymLink());

    // A directory is not a file this command deletes.
    const QString folder = dir.filePath(u"folder.wdr"_s);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.wdr"_s));
    EXPECT_FALSE(files.remove(folder));
}

TEST(DiskFileSystem, findsANameTakenInAnyLetterCase)
{
    TempDir dir;
    DiskFileSystem files;
    dir.write(u"Week1.WDR"_s, "\"CAT\"\r\n");
    EXPECT_TRUE(files.existsIgnoringCase(dir.filePath(u"week1.wdr"_s)));
    EXPECT_TRUE(files.existsIgnoringCase(dir.filePath(u"Week1.WDR"_s)));
    EXPECT_FALSE(files.existsIgnoringCase(dir.filePath(u"week2.wdr"_s)));
    EXPECT_FALSE(files.existsIgnoringCase(dir.filePath(u"no folder/week1.wdr"_s)));

    // A dangling link or a folder takes the name as much as a file does.
    ASSERT_TRUE(QFile::link(dir.filePath(u"nowhere"_s), dir.filePath(u"Link.wdr"_s)));
    EXPECT_TRUE(files.existsIgnoringCase(dir.filePath(u"link.wdr"_s)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Folder.wdr"_s));
    EXPECT_TRUE(files.existsIgnoringCase(dir.filePath(u"FOLDER.wdr"_s)));
}
