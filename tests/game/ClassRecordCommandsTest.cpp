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

    PracticeRound keep(RoundKind::Kind kind)
    {
        PracticeRound round;
        round.id = QUuid::createUuid();
        round.when = QDateTime::currentDateTime();
        round.player = u"Sam"_s;
        round.word = u"CAT"_s;
        round.kind = kind;
        outbox.rounds.append(round);
        return round;
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
        EXPECT_TRUE(sending.add(record.keep(kind)));
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
    sending.add(record.keep(RoundKind::Kind::Game));
    QTest::qWait(100);
    EXPECT_FALSE(record.outbox.allSent());
}

} // namespace
