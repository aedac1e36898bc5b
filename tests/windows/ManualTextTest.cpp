#include "editor/WordListEditor.h"
#include "sound/SoundLibrary.h"
#include "windows/ManualHtml.h"
#include "wordlists/WordListFile.h"

#include <QDir>
#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ManualTextTest : public ::testing::Test
{
protected:
    QString html = ManualHtml::resource();
};

QSet<QString> lowerCased(const QStringList &names)
{
    QSet<QString> set;
    for (const QString &name : names)
        set.insert(name.toLower());
    return set;
}

} // namespace

TEST_F(ManualTextTest, everySectionCanBeReachedByItsOwnName)
{
    const QList<ManualHtml::Heading> sections = ManualHtml::headings(html, 2);
    ASSERT_GE(sections.size(), 12);
    QStringList names;
    for (const ManualHtml::Heading &section : sections) {
        EXPECT_FALSE(section.anchor.isEmpty()) << section.title.toStdString();
        EXPECT_FALSE(section.title.isEmpty()) << section.anchor.toStdString();
        names.append(section.anchor);
    }
    const QStringList all = ManualHtml::anchors(html);
    EXPECT_EQ(lowerCased(all).size(), all.size()) << "an anchor name is used twice";

    // The parts the game's help and menus send readers to.
    for (const QString &required : {u"getting-started"_s, u"playing"_s, u"word-lists"_s,
             u"own-lists"_s, u"weekly-lists"_s, u"startup-and-delete"_s, u"options"_s, u"sounds"_s,
             u"files"_s, u"help"_s, u"quitting"_s, u"shortcuts"_s})
        EXPECT_TRUE(names.contains(required)) << required.toStdString();
}

TEST_F(ManualTextTest, everyLinkLeadsToAPlaceInTheManualAndNothingComesFromOutside)
{
    const QStringList targets = ManualHtml::links(html);
    ASSERT_FALSE(targets.isEmpty());
    const QStringList anchors = ManualHtml::anchors(html);
    for (const QString &target : targets) {
        ASSERT_TRUE(target.startsWith(u'#')) << target.toStdString();
        EXPECT_TRUE(anchors.contains(target.mid(1))) << target.toStdString();
    }
    for (const QString &outside :
        {u"<img"_s, u"<script"_s, u"<link"_s, u"<iframe"_s, u"src="_s, u"url("_s})
        EXPECT_FALSE(html.contains(outside, Qt::CaseInsensitive)) << outside.toStdString();
}

TEST_F(ManualTextTest, theSoundTableNamesEveryBundledSoundAndNoOther)
{
    QStringList named;
    const QList<QStringList> rows = ManualHtml::tableRows(ManualHtml::section(html, u"sounds"_s));
    ASSERT_GT(rows.size(), 1);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 2);
        named += rows[i][1].split(u", "_s);
    }
    QStringList bundled;
    for (const QString &file : SoundLibrary::bundledNames())
        bundled.append(file.chopped(4)); // without ".wav"
    EXPECT_EQ(bundled.size(), 41);
    EXPECT_EQ(lowerCased(named), lowerCased(bundled));
    EXPECT_TRUE(ManualHtml::plainText(html).contains(u"41 sounds"_s));
}

TEST_F(ManualTextTest, theReadyMadeListsTableNamesEveryListWithItsWordCount)
{
    QMap<QString, qsizetype> named;
    const QList<QStringList> rows
        = ManualHtml::tableRows(ManualHtml::section(html, u"ready-made-lists"_s));
    ASSERT_GT(rows.size(), 1);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 3);
        bool number = false;
        named.insert(rows[i][0], rows[i][1].toInt(&number));
        EXPECT_TRUE(number) << rows[i][1].toStdString();
    }

    QMap<QString, qsizetype> lists;
    const QDir dir(QStringLiteral(WORDROW_READY_MADE_LISTS));
    for (const QString &name : dir.entryList({u"*.wdr"_s}, QDir::Files)) {
        const WordListFile::LoadResult loaded = WordListFile::load(dir.filePath(name));
        ASSERT_TRUE(loaded.isLoaded());
        lists.insert(name.chopped(4), loaded.words.size()); // without ".wdr"
    }
    EXPECT_FALSE(lists.isEmpty());
    EXPECT_EQ(named, lists);
}

TEST_F(ManualTextTest, statesTheLimitsTheProgramKeeps)
{
    const QString text = ManualHtml::plainText(html);
    const int longest = WordListFile::MaxWordLength;
    EXPECT_EQ(WordListEditor::MaxWordLength, longest);
    EXPECT_TRUE(text.contains(u"1 to %1 characters"_s.arg(longest)));
    EXPECT_TRUE(text.contains(u"up to %1 characters"_s.arg(longest)));

    const QStringList numbers = {u"no"_s, u"one"_s, u"two"_s, u"three"_s, u"four"_s, u"five"_s};
    ASSERT_LT(WordListEditor::MinSavedEntries, numbers.size());
    EXPECT_TRUE(
        text.contains(u"at least %1 words"_s.arg(numbers[WordListEditor::MinSavedEntries])));
}
