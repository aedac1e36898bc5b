#include "record/SqlitePracticeRecord.h"
#include "record/RecordSql.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePracticeRecord.h"
#include "support/TempDir.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Result = RoundResult;

namespace {

class SqlitePracticeRecordTest : public ::testing::Test
{
protected:
    PracticeRound round(const QString &player, const QString &word, Result result, int misses,
        const QString &wrong = QString())
    {
        PracticeRound r{
            when.addSecs(60 * ++count), player, u"spelling.wdr"_s, word, result, misses, wrong};
        r.id = QUuid::createUuid();
        return r;
    }

    qint64 pragma(const QString &name)
    {
        return execute(u"PRAGMA "_s + name).value(0).toLongLong();
    }

    // Through a connection of the test's own, beside the store's.
    QStringList execute(const QString &statement)
    {
        QStringList rows;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"probe"_s);
            db.setDatabaseName(store.path());
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
            while (query.next())
                rows.append(query.value(0).toString());
        }
        QSqlDatabase::removeDatabase(u"probe"_s);
        return rows;
    }
    // Each table's columns as SQLite reads them, and the indexes: the text of a CREATE differs
    // with the version that wrote it.
    QStringList schema()
    {
        return execute(uR"(SELECT m.name || ': ' || group_concat(p.name || ' ' || p.type || ' '
            || p."notnull" || ' ' || ifnull(p.dflt_value, '-') || ' ' || p.pk, ', ')
            FROM sqlite_master m JOIN pragma_table_info(m.name) p
            WHERE m.type = 'table' GROUP BY m.name ORDER BY m.name)"_s)
            + execute(u"SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name"_s);
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
        // Over some days, for the schedule; a spelling test now and then.
        r.when = when.addSecs(qint64(n) * 7 * 3600);
        if (n % 9 == 4) {
            r.kind = RoundKind::Kind::SpellingTest;
            r.typed = u"KAT"_s;
            r.testStarted = r.when.addSecs(-30);
        }
        ASSERT_TRUE(store.add(r));
        fromRounds.kept.append(r);
    }
    const QDateTime since = when.addSecs(qint64(44) * 7 * 3600);
    const PracticeSummary summary = store.summary(u"Sam"_s, since);
    EXPECT_EQ(summary, fromRounds.summary(u"Sam"_s, since));
    EXPECT_EQ(summary.recent.size(), 16);
    EXPECT_FALSE(summary.troubleWords.isEmpty());
    EXPECT_FALSE(summary.schedule.isEmpty());
}

TEST_F(SqlitePracticeRecordTest, KeepsEveryFieldOfEachPlayersRoundsInOrder)
{
    QList<PracticeRound> sams{round(u"Sam"_s, u"CAT"_s, Result::Won, 2, u"XQ"_s),
        round(u"Sam"_s, u"ICE CREAM"_s, Result::Abandoned, 0),
        round(u"Sam"_s, u"caf\u00e9"_s, Result::Lost, 6, u"ZYXWVU"_s)};
    sams[2].computer = u"room-4-pc-2"_s;
    sams[2].hinted = true;
    const PracticeRound jos = round(u"Jo"_s, u"DOG"_s, Result::Won, 0);
    ASSERT_TRUE(store.add(sams[0]));
    ASSERT_TRUE(store.add(jos));
    ASSERT_TRUE(store.add(sams[1]));
    ASSERT_TRUE(store.add(sams[2]));

    EXPECT_EQ(store.rounds(u"Sam"_s), sams);
    EXPECT_EQ(store.unsentRounds(1)[0], sams[0]);
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
        ASSERT_TRUE(QSqlQuery(db).exec(u"PRAGMA user_version = "_s
            + QString::number(SqlitePracticeRecord::SchemaVersion + 1)));
    }
    QSqlDatabase::removeDatabase(u"later"_s);

    EXPECT_FALSE(store.add(round(u"Sam"_s, u"DOG"_s, Result::Won, 0)));
    EXPECT_TRUE(store.rounds(u"Sam"_s).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{store.FileName.toString()});
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SqlitePracticeRecordTest, UpgradesAVersion1RecordKeepingEveryRoundWithTheBoxesItsRoundsGive)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(WORDROW_FIXTURES "/record-v1.sqlite"), store.path()));
    QFile(store.path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    const QList<PracticeRound> sams = store.rounds(u"Sam"_s);
    EXPECT_EQ(pragma(u"user_version"_s), SqlitePracticeRecord::SchemaVersion);
    ASSERT_EQ(sams.size(), 10);
    EXPECT_EQ(store.rounds(u"Ana"_s).size(), 3);
    QSet<QUuid> ids;
    for (const PracticeRound &r : store.unsentRounds(100)) {
        EXPECT_EQ(r.kind, RoundKind::Kind::Game);
        ids.insert(r.id);
    }
    EXPECT_EQ(ids.size(), 13);
    EXPECT_FALSE(ids.contains(QUuid()));
    // FRIEND: lost, then clean on two days; WHICH: three misses, then clean twice on one day.
    const QDate nov(2026, 11, 1);
    using Word = PracticeSummary::ScheduledWord;
    EXPECT_EQ(store.summary(u"Sam"_s, when).schedule,
        (QList<Word>{{u"FRIEND"_s, 3, nov.addDays(6), nov.addDays(6), {}},
            {u"WEDNESDAY"_s, 1, nov.addDays(4), {}, {}},
            {u"WHICH"_s, 2, nov.addDays(3), nov.addDays(3), {}}}));
    EXPECT_EQ(store.summary(u"Sam"_s, when).troubleWords.size(), 1);

    PracticeRound next = round(u"Sam"_s, u"WEDNESDAY"_s, Result::Won, 0);
    next.when = QDateTime(nov.addDays(7), QTime(12, 0));
    ASSERT_TRUE(store.add(next));
    EXPECT_EQ(store.summary(u"Sam"_s, when).schedule[1].box, 2);
    EXPECT_TRUE(messages.shown.isEmpty());

    // Every step taken, the file is as a record made new by this version.
    const QStringList upgraded = schema();
    store.close();
    QFile::remove(store.path());
    ASSERT_TRUE(store.add(next));
    EXPECT_EQ(upgraded, schema());
}

TEST_F(SqlitePracticeRecordTest, GivesNoPartOfASummaryItCouldNotReadWhole)
{
    ASSERT_TRUE(store.add(round(u"Sam"_s, u"CAT"_s, Result::Lost, 6)));
    ASSERT_TRUE(store.summary(u"Sam"_s, when).complete);
    execute(u"DROP TABLE review_schedule"_s);

    const PracticeSummary summary = store.summary(u"Sam"_s, when);
    EXPECT_FALSE(summary.complete);
    EXPECT_TRUE(summary.lists.isEmpty() && summary.troubleWords.isEmpty());
}

TEST_F(SqlitePracticeRecordTest, HandsOverTheRoundsNotYetSentOldestFirst)
{
    QList<QUuid> ids;
    for (const QString &word : {u"CAT"_s, u"DOG"_s, u"EMU"_s}) {
        const PracticeRound r = round(u"Sam"_s, word, Result::Won, 0);
        ASSERT_TRUE(store.add(r));
        ids.append(r.id);
    }
    const QList<PracticeRound> first = store.unsentRounds(2);
    ASSERT_EQ(first.size(), 2);
    EXPECT_EQ(first[0], store.rounds(u"Sam"_s)[0]);
    EXPECT_EQ(first[1].id, ids[1]);

    ASSERT_TRUE(store.markSent({ids[0], ids[1]}));
    const QList<PracticeRound> left = store.unsentRounds(10);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].id, ids[2]);
}

// The program builds its record at start-up: nothing may be opened, nor the folder asked, before
// the record is first used.
TEST_F(SqlitePracticeRecordTest, OpensNothingBeforeItsFirstUse)
{
    int asked = 0;
    const QStringList before = QSqlDatabase::connectionNames();
    SqlitePracticeRecord record(
        [&] {
            ++asked;
            return dir.path();
        },
        messages);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(QSqlDatabase::connectionNames(), before);

    ASSERT_TRUE(record.add(round(u"Sam"_s, u"CAT"_s, Result::Won, 0)));
    EXPECT_GT(asked, 0);
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), before.size() + 1);
}

// The record's writes (a round, a rename, the marks of rounds sent) each run through this: a
// COMMIT refused must not leave the connection inside the transaction, where the next BEGIN fails
// and reads see what was never kept.
TEST(RecordSqlTest, RollsBackATransactionWhoseCommitFails)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"commit"_s);
    db.setDatabaseName(u":memory:"_s);
    ASSERT_TRUE(db.open());
    QSqlQuery query(db);
    for (const QString &statement :
        {u"PRAGMA foreign_keys = ON"_s, u"CREATE TABLE a (id INTEGER PRIMARY KEY)"_s,
            u"CREATE TABLE b (a INTEGER REFERENCES a DEFERRABLE INITIALLY DEFERRED)"_s})
        ASSERT_TRUE(query.exec(statement));

    // The missing row is found only at COMMIT.
    EXPECT_FALSE(RecordSql::transaction(
        db, query, [&] { return query.exec(u"INSERT INTO b VALUES (1)"_s); }));
    EXPECT_TRUE(query.exec(u"BEGIN"_s)) << query.lastError().text().toStdString();
    EXPECT_TRUE(query.exec(u"SELECT * FROM b"_s) && !query.next());
    query.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"commit"_s);
}

} // namespace
