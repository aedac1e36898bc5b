#include "game/ClassRecordCommands.h"
#include "classrecord/ClassRecordSender.h"
#include "support/FakeClassDatabase.h"
#include "support/FakePracticeRecord.h"
#include "support/FakeRoundOutbox.h"
#include "support/TempDir.h"
#include "wordlists/Preferences.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The local record as the game has it: what it keeps waits in its outbox.
struct KeepingRecord
{
    FakePracticeRecord store;
    FakeRoundOutbox outbox;

    // A round ended: the game's record keeps it, and it waits to be sent.
    bool play(PracticeRecordStore &sending, RoundKind::Kind kind = RoundKind::Kind::Game)
    {
        PracticeRound round;
        round.id = QUuid::createUuid();
        round.when = QDateTime::currentDateTime();
        round.player = u"Sam"_s;
        round.word = u"CAT"_s;
        round.kind = kind;
        if (!sending.add(round))
            return false;
        outbox.rounds.append(store.kept.last());
        return true;
    }
};

TEST(ClassRecordCommands, WhatTheRecordKeepsGoesThroughTheSenderOfTheSettingsOfTheMoment)
{
    TempDir home;
    KeepingRecord record;
    ClassRecordCommands commands;
    commands.setDatabase(record.outbox, FakeClassDatabase::factory({}));
    PracticeRecordStore &sending = commands.sendingRecord(record.store);
    commands.start(home.path());
    QTest::qWait(10);
    EXPECT_FALSE(commands.sender());
    EXPECT_FALSE(commands.classView());

    commands.preferences().setClassService(u"room4"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return commands.sender(); }));
    // A round ended, and a spelling test's answer without waiting for the next round.
    for (const RoundKind::Kind kind : {RoundKind::Kind::Game, RoundKind::Kind::SpellingTest}) {
        EXPECT_TRUE(record.play(sending, kind));
        ASSERT_TRUE(QTest::qWaitFor([&] { return record.outbox.allSent(); }, 5000));
    }
    EXPECT_EQ(record.store.kept.size(), 2);

    // Another service: the old sender goes, a new one takes over.
    QSignalSpy stopped(commands.sender(), &QObject::destroyed);
    commands.preferences().setClassService(u"room5"_s);
    ASSERT_TRUE(stopped.wait(1000));
    ASSERT_TRUE(commands.sender());
    // The teacher's service alone gives a class view.
    commands.preferences().setTeacherService(u"teacher4"_s);
    EXPECT_TRUE(commands.classView());

    // Cleared: nothing more leaves the computer.
    commands.preferences().setClassService(QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !commands.sender(); }, 1000));
    record.play(sending);
    QTest::qWait(100);
    EXPECT_FALSE(record.outbox.allSent());
}

TEST(ClassRecordCommands, ARoundGoesUnderTheNameOfTheComputerItWasPlayedOn)
{
    TempDir home;
    KeepingRecord record;
    ClassRecordCommands commands;
    // No database yet, so that the rounds wait.
    commands.setDatabase(record.outbox, {});
    PracticeRecordStore &sending = commands.sendingRecord(record.store);
    commands.start(home.path());
    // Kept before rounds had their computer: it goes under the name of the day it is sent.
    PracticeRound older;
    older.id = QUuid::createUuid();
    older.when = QDateTime::currentDateTime();
    record.outbox.rounds.append(older);
    commands.preferences().setClassService(u"room4"_s);
    commands.preferences().setComputerName(u"PC 1"_s);
    ASSERT_TRUE(record.play(sending));
    commands.preferences().setComputerName(u"PC 2"_s);

    auto received = std::make_shared<QList<PracticeRound>>();
    commands.setDatabase(record.outbox, FakeClassDatabase::factory({}, received));
    commands.preferences().setTeacherService(u"teacher4"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return record.outbox.allSent(); }, 5000));
    ASSERT_EQ(received->size(), 2);
    EXPECT_EQ(received->at(0).computer, u"PC 2");
    EXPECT_EQ(received->at(1).computer, u"PC 1");
}

} // namespace
