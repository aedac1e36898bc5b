#include "classrecord/ClassRecordSender.h"
#include "classrecord/ClassServerTest.h"
#include "record/TroubleWords.h"
#include "support/FakeRoundOutbox.h"

#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using Result = RoundResult;

namespace {

class ClassRecordTest : public ClassServerTest
{
protected:
    PracticeRound round(
        const QString &player, const QString &word, Result result, int misses, int daysAgo = 0)
    {
        PracticeRound r;
        r.id = QUuid::createUuid();
        r.when = QDateTime::currentDateTime().addDays(-daysAgo).addSecs(++count - 100000);
        r.player = player;
        r.list = u"week.wdr"_s;
        r.word = word;
        r.result = result;
        r.misses = misses;
        r.wrongLetters = QString(misses, u'Z');
        return r;
    }
    std::unique_ptr<ClassRecordSender> sender(FakeRoundOutbox &outbox, const QString &computer)
    {
        auto made = std::make_unique<ClassRecordSender>(outbox, factory(), service, computer);
        made->sendWaiting();
        return made;
    }
    ClassView view()
    {
        ClassRecordConnection connection(factory(), teacher, u"PC"_s);
        QSignalSpy read(&connection, &ClassRecordConnection::viewRead);
        const QDate today = QDate::currentDate();
        connection.readView(today.addDays(1 - today.dayOfWeek()).startOfDay());
        EXPECT_TRUE(read.wait(10000));
        return read.isEmpty() ? ClassView{} : read.first().at(1).value<ClassView>();
    }

    int count = 0;
};

TEST_F(ClassRecordTest, RoundsFromThreeComputersMergeIntoOneClass)
{
    FakeRoundOutbox outboxes[3];
    const QString spellings[] = {u"Sam"_s, u"SAM"_s, u"sam"_s};
    for (int pc = 0; pc < 3; ++pc) {
        outboxes[pc].rounds = {round(spellings[pc], u"SAID"_s, Result::Won, 0),
            round(spellings[pc], u"FRIEND"_s, Result::Lost, 6)};
    }
    outboxes[0].rounds.append(round(u"Ava"_s, u"FRIEND"_s, Result::Won, 4, 40));
    std::unique_ptr<ClassRecordSender> senders[3];
    for (int pc = 0; pc < 3; ++pc)
        senders[pc] = sender(outboxes[pc], u"Room 4 PC "_s + QString::number(pc));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return outboxes[0].allSent() && outboxes[1].allSent() && outboxes[2].allSent(); },
        10000));

    const ClassView found = view();
    ASSERT_EQ(found.players.size(), 2);
    const ClassView::Player &ava = found.players[0], &sam = found.players[1];
    EXPECT_EQ(ava.name, u"Ava");
    EXPECT_EQ(std::tuple(ava.playedThisWeek, ava.playedInAll, ava.computers), std::tuple(0, 1, 1));
    // As last spelled, on the last computer.
    EXPECT_EQ(sam.name, u"sam");
    EXPECT_EQ(std::tuple(sam.playedThisWeek, sam.wonThisWeek, sam.playedInAll, sam.computers),
        std::tuple(6, 3, 6, 3));
    EXPECT_EQ(sam.troubleWords, (QList<ClassView::TroubleWord>{{u"FRIEND"_s, 3}}));
    ASSERT_FALSE(found.mostMissed.isEmpty());
    EXPECT_EQ(found.mostMissed[0].word, u"FRIEND");
    EXPECT_EQ(std::tuple(found.mostMissed[0].misses, found.mostMissed[0].lost,
                  found.mostMissed[0].players),
        std::tuple(22, 3, 2));
}

TEST_F(ClassRecordTest, ARoundSentTwiceIsStoredOnce)
{
    FakeRoundOutbox outbox;
    for (int n = 0; n < 10; ++n)
        outbox.rounds.append(round(u"Sam"_s, u"WORD"_s + QString::number(n), Result::Won, 1));
    // The first mark is lost, as on a full disk: the same rounds go again.
    outbox.refuseMarks = 1;
    const auto first = sender(outbox, u"PC 1"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outbox.allSent(); }, 10000));
    EXPECT_EQ(outbox.marks, 2);
    // And another computer with a copy of the same record sends them too.
    FakeRoundOutbox copy;
    copy.rounds = outbox.rounds;
    const auto second = sender(copy, u"PC 2"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return copy.allSent(); }, 10000));
    EXPECT_EQ(storedRounds(), 10);
    EXPECT_EQ(admin(u"SELECT count(DISTINCT computer) FROM wordrow_rounds"_s).toInt(), 1);
}

TEST_F(ClassRecordTest, AServerStoppedWhileRoundsGoLosesNothing)
{
    FakeRoundOutbox outbox;
    for (int n = 0; n < 6000; ++n)
        outbox.rounds.append(round(u"Sam"_s, u"CAT"_s, Result::Won, n % 7));
    const auto sending = sender(outbox, u"PC 1"_s);
    QSignalSpy problems(sending.get(), &ClassRecordSender::problem);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outbox.marks > 0; }, 10000));
    server(u"stop"_s);
    // Rounds that end while the server is down wait too.
    outbox.rounds.append(round(u"Sam"_s, u"DOG"_s, Result::Lost, 6));
    sending->sendWaiting();
    ASSERT_TRUE(problems.wait(10000) || !problems.isEmpty());
    EXPECT_EQ(problems.first().at(0).value<ClassProblem>().kind, ClassProblem::Unreachable);
    EXPECT_FALSE(outbox.allSent());
    server(u"start"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outbox.allSent(); }, 30000));
    EXPECT_EQ(storedRounds(), 6001);
}

TEST_F(ClassRecordTest, EachFaultGivesOneClearMessage)
{
    struct Case
    {
        QString service;
        QString serverChange;
        ClassProblem::Kind kind;
    };
    const Case cases[] = {
        {service, {}, ClassProblem::None},
        {u"no_such_class"_s, {}, ClassProblem::UnknownService},
        {u"wordrow_refused"_s, {}, ClassProblem::LoginRefused},
        {service, u"UPDATE wordrow_schema SET version = version + 1"_s, ClassProblem::LaterSchema},
        // The game makes no tables of its own.
        {service, u"DROP TABLE wordrow_schema"_s, ClassProblem::NotSetUp},
    };
    QStringList messages;
    for (const Case &c : cases) {
        if (!c.serverChange.isEmpty())
            admin(c.serverChange);
        const ClassProblem problem = check(c.service);
        EXPECT_EQ(problem.kind, c.kind)
            << c.service.toStdString() << ": " << problem.detail.toStdString();
        messages.append(problem.message(c.service));
    }
    EXPECT_TRUE(messages[1].contains(u"no_such_class"));
    messages.removeDuplicates();
    EXPECT_EQ(messages.size(), std::size(cases));
}

// The server works the trouble words out in SQL: they must be those the game's own rule gives.
TEST_F(ClassRecordTest, TroubleWordsOnTheServerFollowTheLocalRule)
{
    QRandomGenerator random(7);
    FakeRoundOutbox outbox;
    TroubleWords local[2];
    const QString players[] = {u"Ava"_s, u"Ben"_s};
    for (int n = 0; n < 600; ++n) {
        const int who = random.bounded(2);
        const int misses = random.bounded(7);
        const Result result = misses == 6 ? Result::Lost
            : random.bounded(10) == 0     ? Result::Abandoned
                                          : Result::Won;
        outbox.rounds.append(
            round(players[who], u"WORD"_s + QString::number(random.bounded(6)), result, misses));
        local[who].add(outbox.rounds.last());
    }
    const auto sending = sender(outbox, u"PC 1"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outbox.allSent(); }, 10000));
    const ClassView found = view();
    ASSERT_EQ(found.players.size(), 2);
    for (int who = 0; who < 2; ++who) {
        QList<ClassView::TroubleWord> expected;
        for (const TroubleWords::Standing &word : local[who].words())
            expected.append({word.word, word.troubleTries});
        EXPECT_EQ(found.players[who].troubleWords, expected) << who;
    }
}

} // namespace
