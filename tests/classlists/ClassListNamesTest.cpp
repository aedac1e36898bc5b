#include "classrecord/ClassListNames.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct NameCase
{
    QString name;
    QString kept; // the file's name before its mark and ".wdr"
    bool marked;
};

TEST(ClassListNamesTest, everyNameGivesAVisibleFileOfTheFolderAndAChangedOneIsMarked)
{
    const QString smile = u"\U0001F600"_s;
    const QList<NameCase> cases = {
        {u"Week 3"_s, u"Week 3"_s, false}, {u"Animals: sea"_s, u"Animals_ sea"_s, true},
        {u"../../etc/passwd"_s, u"_.._etc_passwd"_s, true}, {u"..\\up"_s, u"_up"_s, true},
        {u".."_s, u"List"_s, true}, {u" .hidden"_s, u"hidden"_s, true}, {u""_s, u"List"_s, true},
        {u"a"_s + QChar(0) + u"b\nc"_s, u"a_b_c"_s, true},
        {QString(300, u'é'), QString(48, u'é'), true},
        {QString(47, u'a') + smile + u"b"_s, QString(47, u'a'), true},
        {QString(46, u'a') + smile + u"b"_s, QString(46, u'a') + smile, true},
        {u"Week ~0123abcd"_s, u"Week ~0123abcd"_s, true}, // cannot pose as a marked name
    };
    QStringList names;
    for (const NameCase &c : cases)
        names.append(c.name);
    const QStringList files = ClassListNames::fileNames(names);
    ASSERT_EQ(files.size(), cases.size());
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const NameCase &c = cases.at(i);
        const QString pattern = QRegularExpression::escape(c.kept)
            + (c.marked ? u" ~[0-9a-f]{8}\\.wdr"_s : u"\\.wdr"_s);
        EXPECT_TRUE(QRegularExpression(QRegularExpression::anchoredPattern(pattern))
                        .match(files.at(i))
                        .hasMatch())
            << i << ": " << qPrintable(files.at(i));
        EXPECT_LE(files.at(i).toUtf8().size(), 220) << i;
    }
}

TEST(ClassListNamesTest, namesThatDifferOnlyInLetterCaseGetFilesApartWhateverTheirOrder)
{
    const QStringList names = {u"week 3"_s, u"Week 3"_s, u"WEEK 3"_s, u"Week/3"_s, u"Week_3"_s};
    QStringList reversed(names.crbegin(), names.crend());
    const QStringList files = ClassListNames::fileNames(names);
    const QStringList filesReversed = ClassListNames::fileNames(reversed);
    EXPECT_EQ(files, QStringList(filesReversed.crbegin(), filesReversed.crend()));
    // The least name in code-point order keeps its own; no two files differ only in case.
    EXPECT_EQ(files.at(2), u"WEEK 3.wdr"_s);
    EXPECT_EQ(files.at(4), u"Week_3.wdr"_s);
    QStringList folded;
    for (const QString &file : files)
        folded.append(file.toCaseFolded());
    EXPECT_EQ(folded.removeDuplicates(), 0);
}

} // namespace
