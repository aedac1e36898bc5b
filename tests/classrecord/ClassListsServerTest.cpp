#include "classlists/ClassListCommands.h"
#include "classlists/ClassListPublisher.h"
#include "classrecord/ClassListNames.h"
#include "classrecord/ClassRecordListSource.h"
#include "classrecord/ClassServerTest.h"
#include "core/GameState.h"
#include "game/FileCommands.h"
#include "game/MenuCaptions.h"
#include "progress/ClassRecordPanel.h"
#include "support/FakeClock.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeRoundOutbox.h"
#include "support/TempDir.h"
#include "wordlists/Preferences.h"
#include "wordlists/WordListFile.h"

#include <QDir>
#include <QDirIterator>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One computer of the class, with a home of its own, fetching through a service.
struct Computer
{
    explicit Computer(const QString &service)
    {
        state.homeDir = home.path();
        commands.setSourceFactory(ClassRecordListSource::factory(PostgresClassDatabase::factory()));
        commands.start(service);
    }
    // Waits for the fetch under way, or asks for one; whether it got the lists.
    bool fetched()
    {
        QSignalSpy synced(&commands, &ClassListCommands::synced);
        QSignalSpy failed(&commands, &ClassListCommands::fetchFailed);
        commands.fetch();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !synced.isEmpty() || !failed.isEmpty(); }, 10000));
        return !synced.isEmpty();
    }
    ClassListStore store() const { return commands.store(); }
    QString file(const QString &name) const { return store().folder() + u'/' + name; }

    TempDir home;
    GameState state;
    MenuCaptions captions;
    FakeMessageBoxes messages;
    ClassListCommands commands{state, captions, messages};
};

class ClassListsServerTest : public ClassServerTest
{
protected:
    // One change of the lists through a login: the problem it met.
    template<typename Change>
    static ClassProblem change(const QString &login, Change call)
    {
        ClassRecordConnection connection(factory(), login, {});
        QSignalSpy done(&connection, &ClassRecordConnection::listsChanged);
        QSignalSpy failed(&connection, &ClassRecordConnection::failed);
        call(connection);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !done.isEmpty() || !failed.isEmpty(); }, 10000));
        return failed.isEmpty() ? ClassProblem{} : failed.first().at(1).value<ClassProblem>();
    }
    ClassProblem publish(const QString &login, const QString &name, const QStringList &words,
        const QStringList &sentences = {})
    {
        return change(login, [&](ClassRecordConnection &c) {
            c.publishList({name, words, sentences, false, {}});
        });
    }
};

TEST_F(ClassListsServerTest, APublishedListReachesEveryComputerOfflineTooAndGoesWhenWithdrawn)
{
    ASSERT_TRUE(publish(teacher, u"Week 1"_s, {u"THERE"_s, u"THEIR"_s},
        {u"Put it over there."_s,
            {}}).ok());
    ASSERT_TRUE(publish(teacher, u"Week 2"_s, {u"WHICH"_s}).ok());
    ASSERT_TRUE(change(teacher, [](auto &c) { c.markThisWeek(u"Week 2"_s); }).ok());
    Computer first(service), second(service);
    ASSERT_TRUE(first.fetched() && second.fetched());
    server(u"stop"_s);
    Computer offline(service);
    EXPECT_FALSE(offline.fetched());
    EXPECT_FALSE(QFile::exists(offline.store().folder()));
    server(u"start"_s);
    ASSERT_TRUE(offline.fetched());
    for (const Computer *computer : {&first, &second, &offline}) {
        const WordListFile::LoadResult week1 = WordListFile::load(computer->file(u"Week 1.wdr"_s));
        EXPECT_EQ(week1.words.toStringList(), (QStringList{u"THERE"_s, u"THEIR"_s}));
        EXPECT_EQ(week1.sentences.of(u"THERE"), u"Put it over there."_s);
        EXPECT_EQ(computer->store().thisWeeksList(), computer->file(u"Week 2.wdr"_s));
    }

    // A list published again changes on the computers; a withdrawn one goes, and so does the week.
    ASSERT_TRUE(publish(teacher, u"Week 2"_s, {u"WITCH"_s}).ok());
    ASSERT_TRUE(change(teacher, [](auto &c) { c.withdrawList(u"Week 1"_s); }).ok());
    ASSERT_TRUE(first.fetched());
    EXPECT_FALSE(QFile::exists(first.file(u"Week 1.wdr"_s)));
    EXPECT_FALSE(QFile::exists(first.file(u"Week 1.sentences.tsv"_s)));
    EXPECT_EQ(WordListFile::load(first.file(u"Week 2.wdr"_s)).words.toStringList(),
        QStringList{u"WITCH"_s});
    EXPECT_TRUE(first.store().thisWeeksList()); // published again, still this week's
    ASSERT_TRUE(change(teacher, [](auto &c) { c.markThisWeek({}); }).ok());
    ASSERT_TRUE(first.fetched());
    EXPECT_FALSE(first.store().thisWeeksList());
    EXPECT_EQ(change(teacher, [](auto &c) { c.markThisWeek(u"Week 1"_s); }).kind,
        ClassProblem::Failed); // withdrawn
}

TEST_F(ClassListsServerTest, TheTeacherPublishesFromTheEditorAndPicksTheWeekInTheClassView)
{
    TempDir home;
    FakeRoundOutbox outbox;
    FakeMessageBoxes messages;
    ClassRecordCommands classRecord;
    classRecord.setDatabase(outbox, PostgresClassDatabase::factory());
    classRecord.start(home.path());
    ClassListPublisher publisher(classRecord, messages);
    EXPECT_FALSE(publisher.canPublish()); // a pupil's computer
    classRecord.preferences().setTeacherService(teacher);
    ASSERT_TRUE(publisher.canPublish());
    QSignalSpy finished(&publisher, &ClassListPublisher::finished);
    const auto publish = [&](const QString &name, const QStringList &words) {
        messages.texts = {name};
        publisher.publish(words, {u"Over there."_s, {}, {}, {}});
        return (finished.size() > 0 || finished.wait(10000)) && finished.takeFirst().at(0).toBool();
    };
    EXPECT_TRUE(publish(u"  Week 3 "_s, {u"THERE"_s, u"THEIR"_s, u"WHERE"_s, u"WEAR"_s}));
    EXPECT_FALSE(publish(u"Week 3"_s, {u"TWO"_s, u"TOO"_s, u"TO"_s, u"TOE"_s})); // answered No
    EXPECT_FALSE(publish(u"Week 4"_s, {u"C@T"_s, u"TWO"_s, u"TOO"_s, u"TO"_s}));
    EXPECT_TRUE(messages.shown.last().text.contains(u"cannot be published: its word \"C@T\""_s));
    EXPECT_EQ(admin(u"SELECT words::text || sentences::text FROM wordrow_lists"_s).toString(),
        uR"(["THERE", "THEIR", "WHERE", "WEAR"]["Over there.", "", "", ""])"_s);

    const FakeClock clock;
    ClassRecordPanel panel(classRecord.classView()(), clock, messages);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.listsModel()->rowCount() == 1; }, 10000));
    panel.listsTable()->selectRow(0);
    panel.thisWeekButton()->click();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel.thisWeekButton()->text() == u"&Not This Week"_s; }, 10000));
    EXPECT_TRUE(admin(u"SELECT this_week FROM wordrow_lists"_s).toBool());
    messages.answers = {MessageBoxes::Answer::Yes};
    panel.withdrawButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.listsModel()->rowCount() == 0; }, 10000));
    EXPECT_EQ(admin(u"SELECT count(*) FROM wordrow_lists"_s).toInt(), 0);
}

TEST_F(ClassListsServerTest, TheRoomLoginOnlyReadsTheListsAndThisWeeksIsOneAtMost)
{
    ASSERT_TRUE(publish(teacher, u"Week 1"_s, {u"THERE"_s}).ok());
    ASSERT_TRUE(publish(teacher, u"Week 2"_s, {u"THEIR"_s}).ok());
    EXPECT_EQ(publish(service, u"Week 3"_s, {u"WHICH"_s}).kind, ClassProblem::NotAllowed);
    EXPECT_EQ(publish(service, u"Week 1"_s, {u"WHICH"_s}).kind, ClassProblem::NotAllowed);
    EXPECT_EQ(change(service, [](auto &c) { c.withdrawList(u"Week 1"_s); }).kind,
        ClassProblem::NotAllowed);
    EXPECT_EQ(change(service, [](auto &c) { c.markThisWeek(u"Week 1"_s); }).kind,
        ClassProblem::NotAllowed);
    QString state;
    for (const QString &sql : {u"UPDATE wordrow_lists SET words = '[\"X\"]'"_s,
             u"DELETE FROM wordrow_lists"_s, u"TRUNCATE wordrow_lists"_s}) {
        as(service, sql, &state);
        EXPECT_EQ(state, u"42501") << sql.toStdString();
    }
    as(teacher, u"TRUNCATE wordrow_lists"_s, &state);
    EXPECT_EQ(state, u"42501");
    as(teacher, u"UPDATE wordrow_lists SET this_week = true"_s, &state);
    EXPECT_EQ(state, u"23505"); // a unique violation
    EXPECT_EQ(admin(u"SELECT count(*) FROM wordrow_lists"_s).toInt(), 2);

    // A set-up run again gives each login its rights afresh.
    admin(u"REVOKE SELECT ON wordrow_lists FROM wordrow_class"_s);
    setUpClass();
    Computer computer(service);
    EXPECT_TRUE(computer.fetched());
}

TEST_F(ClassListsServerTest, UnsafeNamesFromTheServerAreStoredInsideTheFolderEachApart)
{
    const QStringList names = {u"../../escape"_s, u".hidden"_s, u"a/b\\c"_s, u"Week 1"_s,
        u"WEEK 1"_s, QString(300, u'w'), u"con:*?<>|"_s};
    for (const QString &name : names)
        ASSERT_TRUE(publish(teacher, name, {u"THERE"_s}).ok()) << name.toStdString();
    Computer computer(service);
    ASSERT_TRUE(computer.fetched());
    QStringList files;
    for (QDirIterator it(
             computer.home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files.append(it.next());
    EXPECT_EQ(files.size(), names.size() + 1) << files.join(u'\n').toStdString(); // and the index
    for (const QString &file : files) {
        EXPECT_EQ(QFileInfo(file).absolutePath(), computer.store().folder());
        EXPECT_TRUE(QFileInfo(file).fileName().endsWith(u".wdr"_s)
            || QFileInfo(file).fileName() == ClassListStore::IndexName);
    }
    EXPECT_EQ(computer.store().kept().size(), names.size());
}

} // namespace

// The rounds know a list by its computers' file, here a marked one: a child's own file of the
// name the mark replaced is another list.
TEST_F(ClassListsServerTest, TheClassViewShowsWhoPlayedEachListItsMissedWordsAndFirstTests)
{
    const QString name = u"Week 5/6"_s;
    ASSERT_TRUE(publish(teacher, name, {u"THERE"_s, u"THEIR"_s, u"WHERE"_s}).ok());
    const QString file = ClassListNames::fileNames({name}).first();
    ASSERT_NE(file, u"Week 5_6.wdr"_s);
    const QDateTime start = QDateTime::currentDateTime().addDays(-1);
    QList<PracticeRound> rounds;
    const auto add = [&](const QString &player, const QString &list, const QString &word,
                         RoundResult result, int misses, const QDateTime &test = {}) {
        PracticeRound r;
        r.id = QUuid::createUuid();
        r.when = start.addSecs(rounds.size());
        r.player = player;
        r.list = list;
        r.word = word;
        r.result = result;
        r.misses = misses;
        r.kind = test.isValid() ? RoundKind::Kind::SpellingTest : RoundKind::Kind::Game;
        r.testStarted = test;
        rounds.append(r);
    };
    add(u"Ava"_s, file, u"THERE"_s, RoundResult::Lost, 6);
    add(u"Ava"_s, file, u"THEIR"_s, RoundResult::Won, 1);
    add(u"Ben"_s, file, u"WHERE"_s, RoundResult::Won, 2);
    add(u"Ben"_s, file, u"THERE"_s, RoundResult::Won, 0);
    add(u"Cal"_s, u"Week 5_6.wdr"_s, u"WEAR"_s, RoundResult::Lost, 6);
    add(u"Ava"_s, file, u"THERE"_s, RoundResult::Won, 0, start);
    add(u"Ava"_s, file, u"THEIR"_s, RoundResult::Lost, 0, start);
    add(u"Ava"_s, file, u"THEIR"_s, RoundResult::Won, 0, start.addSecs(60)); // a second test
    add(u"ben"_s, file, u"THERE"_s, RoundResult::Won, 0, start.addSecs(30));
    add(u"ben"_s, file, u"WHERE"_s, RoundResult::Won, 0, start.addSecs(30));
    ClassRecordConnection room(factory(), service, u"PC1"_s);
    QSignalSpy sent(&room, &ClassRecordConnection::sent);
    room.send(rounds);
    ASSERT_TRUE(sent.wait(10000));

    const FakeClock clock;
    FakeMessageBoxes messages;
    ClassRecordPanel panel(
        std::make_unique<ClassRecordConnection>(factory(), teacher, u"PC"_s), clock, messages);
    const QAbstractItemModel *lists = panel.listsModel();
    const auto cell = [&](const QString &heading) {
        for (int column = 0; column < lists->columnCount(); ++column) {
            if (lists->headerData(column, Qt::Horizontal, Qt::DisplayRole) == heading)
                return lists->index(0, column).data();
        }
        ADD_FAILURE() << "no column " << heading.toStdString();
        return QVariant();
    };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return lists->rowCount() == 1 && cell(u"Children"_s).toInt() > 0; }, 10000));
    EXPECT_EQ(cell(u"Children"_s).toInt(), 2);
    EXPECT_EQ(cell(u"Most missed"_s).toString(), u"THERE, WHERE, THEIR"_s);
    EXPECT_EQ(cell(u"First tests"_s).toString(), u"Ava 1 of 2, ben 2 of 2"_s);
}
