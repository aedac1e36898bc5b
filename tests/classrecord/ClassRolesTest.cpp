#include "classrecord/ClassRecordSender.h"
#include "classrecord/ClassSchema.h"
#include "classrecord/ClassServerTest.h"
#include "support/FakeRoundOutbox.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class ClassRolesTest : public ClassServerTest
{
protected:
    // Sends rounds of Sam's through the room's login, as a pupil's computer does.
    void sendRounds(int count)
    {
        FakeRoundOutbox outbox;
        for (int n = 0; n < count; ++n) {
            PracticeRound round;
            round.id = QUuid::createUuid();
            round.when = QDateTime::currentDateTime();
            round.player = u"Sam"_s;
            round.word = u"CAT"_s;
            round.result = RoundResult::Won;
            outbox.rounds.append(round);
        }
        ClassRecordSender sender(outbox, factory(), service, u"PC 1"_s);
        sender.sendWaiting();
        ASSERT_TRUE(QTest::qWaitFor([&] { return outbox.allSent(); }, 10000));
    }
    // The SQL state with which a login's statement is refused; empty when it is done.
    static QString refusal(const QString &login, const QString &sql)
    {
        QString state;
        as(login, sql, &state);
        return state;
    }
    void expectRoomOnlyAdds()
    {
        const QString refused[] = {u"SELECT player FROM wordrow_rounds"_s,
            u"SELECT word FROM wordrow_rounds"_s, u"UPDATE wordrow_rounds SET player = 'X'"_s,
            u"DELETE FROM wordrow_rounds"_s, u"TRUNCATE wordrow_rounds"_s,
            u"DROP TABLE wordrow_rounds"_s, u"CREATE TABLE wordrow_more (n integer)"_s,
            u"DELETE FROM wordrow_schema"_s, u"SELECT login FROM wordrow_logins"_s};
        for (const QString &sql : refused)
            EXPECT_EQ(refusal(service, sql), u"42501") << sql.toStdString();
    }
};

TEST_F(ClassRolesTest, ARoomLoginOnlyAddsRoundsAndTheTeacherLoginReadsTheClass)
{
    sendRounds(3);
    expectRoomOnlyAdds();
    EXPECT_EQ(refusal(teacher, u"DELETE FROM wordrow_rounds"_s), u"42501");
    EXPECT_EQ(as(teacher, u"SELECT count(DISTINCT player) FROM wordrow_rounds"_s).toInt(), 1);
    // The class view through each login.
    for (const QString &login : {teacher, service}) {
        ClassRecordConnection connection(factory(), login, u"PC"_s);
        QSignalSpy read(&connection, &ClassRecordConnection::viewRead);
        QSignalSpy failed(&connection, &ClassRecordConnection::failed);
        connection.readView(QDateTime::currentDateTime().addDays(-7));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !read.isEmpty() || !failed.isEmpty(); }, 10000));
        if (login == teacher)
            EXPECT_EQ(read.size(), 1);
        else
            EXPECT_EQ(failed.first().at(1).value<ClassProblem>().kind, ClassProblem::NotAllowed);
    }
    EXPECT_EQ(storedRounds(), 3);
}

// A class database as the game made it before: the room's login owned the database and its tables
// at version 1.
TEST_F(ClassRolesTest, TheSetUpTakesOverADatabaseTheRoomMadeAndKeepsEveryRound)
{
    admin(u"DROP TABLE wordrow_rounds, wordrow_schema, wordrow_logins, wordrow_lists"_s);
    admin(u"ALTER DATABASE wordrow_class OWNER TO wordrow_class"_s);
    for (const QString &sql : {u"CREATE TABLE wordrow_schema (version integer NOT NULL)"_s,
             QString::fromUtf8(ClassSchema::CreateRounds),
             QString::fromUtf8(ClassSchema::CreatePlayerIndex),
             u"INSERT INTO wordrow_schema VALUES (1)"_s,
             u"INSERT INTO wordrow_rounds (id, computer, player, played_at, list, word, result, "
             u"misses, wrong_letters, kind, typed) SELECT gen_random_uuid(), 'PC', 'Ava', now(), "
             u"'week.wdr', 'SAID', 'won', 0, '', 'game', '' FROM generate_series(1, 5)"_s})
        as(service, sql);
    EXPECT_EQ(check(service).kind, ClassProblem::NotSetUp);

    setUpClass();
    EXPECT_EQ(storedRounds(), 5);
    EXPECT_EQ(admin(u"SELECT max(version) FROM wordrow_schema"_s).toInt(), ClassSchema::Version);
    EXPECT_EQ(check(service).kind, ClassProblem::None);
    sendRounds(1);
    EXPECT_EQ(storedRounds(), 6);
    expectRoomOnlyAdds();
    // Run again, as after an update: nothing changes.
    setUpClass();
    EXPECT_EQ(storedRounds(), 6);
}

} // namespace
