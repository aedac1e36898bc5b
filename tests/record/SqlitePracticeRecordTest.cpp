#include "record/SqlitePracticeRecord.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePracticeRecord.h"
#include "support/TempDir.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Result = PracticeRound::Result;

namespace {

class SqlitePracticeRecordTest : public ::testing::Test
{
protected:
    PracticeRound round(const QString &player, const QString &word, Result result, int misses,
        const QString &wrong = QString())
    {
        return {when.addSecs(60 * ++count), player, u"spelling.wdr"_s, word, result, misses, wrong};
    }

    qint64 pragma(const QString &name)
    {
        qint64 value = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"probe"_s);
            db.setDatabaseName(store.path());
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            if (query.exec(u"PRAGMA "_s + name) && query.next())
                value = query.value(0).toLongLong();
        }
        QSqlDatabase::removeDatabase(u"probe"_s);
        return value;
    }

    TempDir dir;
    FakeMessageBoxes messages;
    SqlitePracticeRecord store{[this] { return dir.path(); }, messages};
    QDateTime when = QDateTime(QDate(2026, 11, 30), QTime(15, 30));
    int count = 0;
};

TEST_F(SqlitePracticeRecordTest, ReadingAnAbsentRecordMakesNoFile)
{
    EXPECT_TRUE(store.rounds(u"Player"_s).isEmpty());
    EXPECT_TRUE(store.players().isEmpty());
    EXPECT_TRUE(store.renamePlayer(u"Player"_s, u"Sam"_s));
    EXPECT_FALSE(QFile::exists(store.path()));
}

TEST_F(SqlitePracticeRecordTest, KeepsTalliesAndTroubleWordsAsTheRoundsThemselvesGive)
{
    FakePracticeRecord fromRounds;
    const QString words[] = {u"CAT"_s, u"DOG"_s, u"EMU"_s};
    for (int n = 0; n < 60; ++n) {
        PracticeRound r = round(u"Sam"_s, words[n % 3], Result(n * 7 % 3), n * 5 % 7);
        r.list = n % 4 == 0 ? u"b.wdr"_s : u"a.wdr"_s;
        ASSERT_TRUE(store.add(r));
        fromRounds.kept.append(r);
    }
    const QDateTime since = when.addSecs(60 * 45);
    const PracticeSummary summary = store.summary(u"Sam"_s, since);
    EXPECT_EQ(summary, fromRounds.summary(u"Sam"_s, since));
    EXPECT_EQ(summary.recent.size(), 16);
    EXPECT_FALSE(summary.troubleWords.isEmpty());
}

TEST_F(SqlitePracticeRecordTest, KeepsEveryFieldOfEachPlayersRoundsInOrder)
{
    const QList<PracticeRound> sams{round(u"Sam"_s, u"CAT"_s, Result::Won, 2, u"XQ"_s),
        round(u"Sam"_s, u"ICE CREAM"_s, Result::Abandoned, 0),
        round(u"Sam"_s, u"caf\u00e9"_s, Result::Lost, 6, u"ZYXWVU"_s)};
    const PracticeRound jos = round(u"Jo"_s, u"DOG"_s, Result::Won, 0);
    ASSERT_TRUE(store.add(sams[0]));
    ASSERT_TRUE(store.add(jos));
    ASSERT_TRUE(store.add(sams[1]));
    ASSERT_TRUE(store.add(sams[2]));

    EXPECT_EQ(store.rounds(u"Sam"_s), sams);
    EXPECT_EQ(store.players(), (QStringList{u"Jo"_s, u"Sam"_s}));

    ASSERT_TRUE(store.renamePlayer(u"Jo"_s, u"Joanna"_s));
    SqlitePracticeRecord again([this] { return dir.path(); }, messages);
    EXPECT_EQ(again.rounds(u"Joanna"_s).size(), 1);
    EXPECT_EQ(again.summary(u"Joanna"_s, when).lists.size(), 1);
    EXPECT_TRUE(again.rounds(u"Jo"_s).isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SqlitePracticeRecordTest, MarksTheFileAsOursWithItsSchemaVersion)
{
    ASSERT_TRUE(store.add(round(u"Sam"_s, u"CAT"_s, Result::Won, 0)));
    EXPECT_EQ(pragma(u"user_version"_s), SqlitePracticeRecord::SchemaVersion);
    EXPECT_EQ(pragma(u"application_id"_s), SqlitePracticeRecord::ApplicationId);
}

TEST_F(SqlitePracticeRecordTest, LeavesARecordOfALaterVersionAlone)
{
    {
        SqlitePracticeRecord first([this] { return dir.path(); }, messages);
        ASSERT_TRUE(first.add(round(u"Sam"_s, u"CAT"_s, Result::Won, 0)));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"later"_s);
        db.setDatabaseName(store.path());
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(u"PRAGMA user_version = 2"_s));
    }
    QSqlDatabase::removeDatabase(u"later"_s);

    EXPECT_FALSE(store.add(round(u"Sam"_s, u"DOG"_s, Result::Won, 0)));
    EXPECT_TRUE(store.rounds(u"Sam"_s).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{store.FileName.toString()});
    EXPECT_TRUE(messages.shown.isEmpty());
}

// The program builds its record at start-up: nothing may be opened, nor the folder asked, before
// the record is first used.
TEST_F(SqlitePracticeRecordTest, OpensNothingBeforeItsFirstUse)
{
    int asked = 0;
    const QStringList before = QSqlDatabase::connectionNames();
    SqlitePracticeRecord record([&] { ++asked; return dir.path(); }, messages);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(QSqlDatabase::connectionNames(), before);

    ASSERT_TRUE(record.add(round(u"Sam"_s, u"CAT"_s, Result::Won, 0)));
    EXPECT_GT(asked, 0);
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), before.size() + 1);
}

} // namespace
