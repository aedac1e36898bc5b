#include "faults/FaultFixture.h"
#include "record/SqlitePracticeRecord.h"
#include "support/FakeClock.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Result = RoundResult;

class RecordFaultTest : public MountedHomeFixture
{
protected:
    // Room for the record's log to grow between its checkpoints.
    RecordFaultTest() { diskSize = 16 * 1024 * 1024; }

    static PracticeRound round(const QString &player, int n)
    {
        return {QDateTime::currentDateTime(), player, u"wordrow.wdr"_s,
            u"WORD"_s + QString::number(n), Result::Lost, 6, u"ABCDFG"_s};
    }
    // Adds rounds from a child process, as a second game in the same folder would.
    pid_t writeInChild(const QString &player, int rounds)
    {
        const pid_t child = ::fork();
        if (child == 0) {
            FakeMessageBoxes quiet;
            bool kept = true;
            {
                SqlitePracticeRecord store([this] { return home; }, quiet);
                for (int n = 0; rounds < 0 || n < rounds; ++n)
                    kept = store.add(round(player, n)) && kept;
            }
            ::_exit(kept ? 0 : 1);
        }
        return child;
    }
    void clickNewWord() { window->findChild<QPushButton *>(u"cmdStart"_s)->click(); }

    SqlitePracticeRecord record{[this] { return home; }, messages};
    FakeClock clock{QDateTime::currentDateTime()};
};

struct BadFile
{
    const char *name;
    QByteArray bytes;
};

class BadRecordFileTest : public RecordFaultTest, public ::testing::WithParamInterface<BadFile>
{
};

// Another program's database, whole and valid, but not a record of ours.
QByteArray foreignDatabase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"other.sqlite"_s);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"foreign"_s);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(u"CREATE TABLE recipes (name TEXT)"_s);
    }
    QSqlDatabase::removeDatabase(u"foreign"_s);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_P(BadRecordFileTest, IsSetAsideWithOneMessageAndANewRecordStarts)
{
    const QByteArray bytes = GetParam().bytes;
    ASSERT_FALSE(bytes.isEmpty());
    writeHomeFile(SqlitePracticeRecord::FileName.toString(), bytes);

    ASSERT_TRUE(record.add(round(u"Sam"_s, 1)));
    ASSERT_TRUE(record.add(round(u"Sam"_s, 2)));

    EXPECT_EQ(record.rounds(u"Sam"_s).size(), 2);
    ASSERT_EQ(messages.shown.size(), 1);
    const QStringList aside = QDir(home).entryList({u"wordrow-record.sqlite.damaged-*"_s});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(aside[0]));
    EXPECT_EQ(homeFile(aside[0]), bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, BadRecordFileTest,
    ::testing::Values(BadFile{"not_a_database", QByteArray(4096, 'x')},
        BadFile{"damaged_page", "SQLite format 3" + QByteArray(1, '\0') + QByteArray(8192, '\xff')},
        BadFile{"another_programs_database", foreignDatabase()}),
    [](const auto &info) { return info.param.name; });

struct DiskFault
{
    const char *name;
    bool full;
};

class RecordDiskFaultTest : public RecordFaultTest, public ::testing::WithParamInterface<DiskFault>
{
};

TEST_P(RecordDiskFaultTest, LeavesTheRoundsAloneAndSaysOnceThatTheRecordIsNotKept)
{
    writeHomeFile(u"wordrow.wdr"_s, "\"CAT\"\r\n\"DOG\"\r\n\"EMU\"\r\n");
    writeHomeFile(u"wordrow.ini"_s, "\"\"\r\n#TRUE#\r\n");
    {
        SqlitePracticeRecord earlier([this] { return home; }, messages);
        ASSERT_TRUE(earlier.add(round(u"Player"_s, 0)));
    }
    // A disk that is read-only from the start: one that turns read-only under an open file
    // cannot be made in a test.
    if (!GetParam().full) {
        ASSERT_TRUE(PrivateMounts::remountReadOnly(home));
    }
    window->setPracticeRecord(record, clock);
    start();
    clickNewWord();
    if (GetParam().full) {
        clickNewWord();
        ASSERT_EQ(record.rounds(u"Player"_s).size(), 2);
        fillDisk();
    }
    for (int i = 0; i < 3; ++i) {
        const QString before = window->round().word();
        clickNewWord();
        EXPECT_NE(window->round().word(), before);
        EXPECT_TRUE(window->letterButton(0)->isEnabled());
    }
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"practice record"_s));

    if (GetParam().full) {
        freeDisk();
        clickNewWord();
        EXPECT_EQ(record.rounds(u"Player"_s).size(), 3);
    }
    // Closed with the game, the record is one whole file again.
    window.reset();
    record.close();
    EXPECT_EQ(playerFiles(),
        (QStringList{
            SqlitePracticeRecord::FileName.toString(), u"wordrow.ini"_s, u"wordrow.wdr"_s}));
}

INSTANTIATE_TEST_SUITE_P(Disks, RecordDiskFaultTest,
    ::testing::Values(DiskFault{"full", true}, DiskFault{"read_only", false}),
    [](const auto &info) { return info.param.name; });

class RecordUpgradeFaultTest : public RecordFaultTest,
                               public ::testing::WithParamInterface<DiskFault>
{
};

TEST_P(RecordUpgradeFaultTest, LeavesTheVersion1RecordAsItWasAndSaysSoOnce)
{
    QFile fixture(QStringLiteral(WORDROW_FIXTURES "/record-v1.sqlite"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray v1 = fixture.readAll();
    writeHomeFile(SqlitePracticeRecord::FileName.toString(), v1);
    if (GetParam().full)
        fillDisk();
    else
        ASSERT_TRUE(PrivateMounts::remountReadOnly(home));

    EXPECT_FALSE(record.add(round(u"Sam"_s, 1)));
    EXPECT_FALSE(record.add(round(u"Sam"_s, 2)));
    EXPECT_EQ(messages.shown.size(), 1);
    record.close();
    EXPECT_EQ(homeFile(SqlitePracticeRecord::FileName.toString()), v1);
    if (!GetParam().full)
        return;
    // With room again, the next round brings it up to date and is kept.
    freeDisk();
    EXPECT_TRUE(record.add(round(u"Sam"_s, 3)));
    EXPECT_EQ(record.rounds(u"Sam"_s).size(), 11);
    EXPECT_EQ(messages.shown.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Disks, RecordUpgradeFaultTest,
    ::testing::Values(DiskFault{"full", true}, DiskFault{"read_only", false}),
    [](const auto &info) { return info.param.name; });

struct Change
{
    const char *name;
    std::function<bool(SqlitePracticeRecord &, const QList<QUuid> &)> apply;
};

class RecordCommitFaultTest : public RecordFaultTest, public ::testing::WithParamInterface<Change>
{
};

// A COMMIT that fails on a full disk must be rolled back: a transaction left open would keep
// every later round from being kept, and show changes the file never got.
TEST_P(RecordCommitFaultTest, AChangeThatCannotBeCommittedLeavesTheRecordAsItWas)
{
    QList<QUuid> ids;
    for (int n = 0; n < 3; ++n) {
        PracticeRound r = round(u"Sam"_s, n);
        r.id = QUuid::createUuid();
        ASSERT_TRUE(record.add(r));
        ids.append(r.id);
    }
    fillDisk();
    EXPECT_FALSE(GetParam().apply(record, ids));
    freeDisk();

    EXPECT_EQ(record.unsentRounds(10).size(), 3);
    EXPECT_EQ(record.players(), QStringList{u"Sam"_s});
    EXPECT_TRUE(record.add(round(u"Sam"_s, 3)));
    EXPECT_EQ(record.rounds(u"Sam"_s).size(), 4);
}

INSTANTIATE_TEST_SUITE_P(Changes, RecordCommitFaultTest,
    ::testing::Values(Change{"mark_sent", [](auto &r, const auto &ids) { return r.markSent(ids); }},
        Change{"rename_player",
            [](auto &r, const auto &) { return r.renamePlayer(u"Sam"_s, u"Samuel"_s); }}),
    [](const auto &info) { return info.param.name; });

TEST_F(RecordFaultTest, TwoGamesInOneFolderBothKeepEveryRound)
{
    constexpr int Rounds = 150;
    const pid_t other = writeInChild(u"Jo"_s, Rounds);
    ASSERT_GT(other, 0);
    int kept = 0;
    for (int n = 0; n < Rounds; ++n)
        kept += record.add(round(u"Sam"_s, n)) ? 1 : 0;
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);

    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(kept, Rounds);
    EXPECT_EQ(record.rounds(u"Sam"_s).size(), Rounds);
    EXPECT_EQ(record.rounds(u"Jo"_s).size(), Rounds);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RecordFaultTest, AGameKilledWhileWritingLeavesAWholeReadableRecord)
{
    const pid_t writer = writeInChild(u"Sam"_s, -1);
    ASSERT_GT(writer, 0);
    // Killed once it has written a good many rounds, most likely in the middle of another.
    ASSERT_TRUE(QTest::qWaitFor([this] { return record.rounds(u"Sam"_s).size() >= 50; }, 20000));
    ::kill(writer, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);

    const QList<PracticeRound> rounds = record.rounds(u"Sam"_s);
    ASSERT_FALSE(rounds.isEmpty());
    for (qsizetype n = 0; n < rounds.size(); ++n)
        EXPECT_EQ(rounds[n].word, u"WORD"_s + QString::number(n));
    EXPECT_TRUE(record.add(round(u"Sam"_s, int(rounds.size()))));
    EXPECT_EQ(record.rounds(u"Sam"_s).size(), rounds.size() + 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace
