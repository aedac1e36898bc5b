#include "classlists/ClassListCommands.h"
#include "classlists/ClassListStore.h"
#include "core/GameState.h"
#include "game/FileCommands.h"
#include "game/MenuCaptions.h"
#include "support/FakeClassListSource.h"
#include "support/FakeMessageBoxes.h"
#include "support/TempDir.h"
#include "wordlists/Preferences.h"
#include "wordlists/SettingsFile.h"
#include "wordlists/WordListFile.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Monday(QDate(2025, 3, 3), QTime(8, 0), Qt::UTC);

ClassList list(const QString &name, QStringList words = {u"THERE"_s, u"THEIR"_s, u"WHICH"_s})
{
    return {name, words, {}, false, Monday};
}

class ClassListsTest : public ::testing::Test
{
protected:
    ClassListsTest()
    {
        state.homeDir = home.path();
        SettingsFile::writeDefaultStartupList(home.path(), false);
        WordListFile::write(SettingsFile::defaultListPath(home.path()), {u"DOG"_s, u"CAT"_s});
        QObject::connect(&captions, &MenuCaptions::listInPlayChanged, &commands,
            &ClassListCommands::setListInPlay);
        commands.setSourceFactory(server.factory());
    }
    QString file(const QString &name) const { return folder + u'/' + name; }
    QStringList words(const QString &name)
    {
        return WordListFile::load(file(name)).words.toStringList();
    }

    TempDir home;
    const QString folder = FileCommands::classListsDir(home.path());
    ClassListStore store{folder};
    GameState state;
    MenuCaptions captions;
    FakeMessageBoxes messages;
    FakeClassServer server;
    ClassListCommands commands{state, captions, messages};
};

TEST_F(ClassListsTest, theFolderFollowsThePublishedSetAndLeavesWhatIsNotItsOwn)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString foreign = home.write(u"class-lists/Mine.wdr"_s, "\"OWL\"\r\n");
    const QString outside = home.write(u"precious.wdr"_s, "\"OWL\"\r\n");
    // An index changed by hand names files it cannot have written.
    home.write(u"class-lists/.class-lists.json"_s,
        R"({"lists":[{"name":"x","file":"../precious.wdr"},{"name":"y","file":"/etc/hosts"}]})");
    EXPECT_TRUE(store.kept().isEmpty());
    ClassListStore::Outcome done = store.sync({list(u"Week 1"_s), list(u"Mine"_s)});
    EXPECT_EQ(done.written, 1);
    ASSERT_EQ(done.refusals.size(), 1);
    EXPECT_TRUE(done.refusals[0].contains(u"is in the way"_s));
    EXPECT_EQ(home.read(u"class-lists/Mine.wdr"_s), "\"OWL\"\r\n");
    EXPECT_EQ(words(u"Week 1.wdr"_s), (QStringList{u"THERE"_s, u"THEIR"_s, u"WHICH"_s}));

    EXPECT_EQ(store.sync({list(u"Week 1"_s)}).written, 0); // unchanged stamp: not written again
    ClassList changed = list(u"Week 1"_s, {u"two"_s, u"too"_s});
    changed.sentences = {u"Two of them."_s, {}};
    changed.updated = Monday.addDays(1);
    EXPECT_EQ(store.sync({changed, list(u"Week 2"_s)}).written, 2);
    EXPECT_EQ(words(u"Week 1.wdr"_s), (QStringList{u"TWO"_s, u"TOO"_s}));
    const Sentences sentences = WordListFile::load(file(u"Week 1.wdr"_s)).sentences;
    EXPECT_EQ(sentences.size(), 1);
    EXPECT_EQ(sentences.of(u"TWO"), u"Two of them."_s);

    done = store.sync({list(u"Week 2"_s)});
    EXPECT_EQ(done.removed, 1);
    EXPECT_FALSE(QFile::exists(file(u"Week 1.wdr"_s)));
    EXPECT_FALSE(QFile::exists(file(u"Week 1.sentences.tsv"_s)));
    EXPECT_TRUE(QFile::exists(foreign));
    EXPECT_TRUE(QFile::exists(outside));
}

TEST_F(ClassListsTest, anUnsafeOrOversizedListIsRefusedAndTheComputerKeepsWhatItHad)
{
    store.sync({list(u"Week 1"_s)});
    const QByteArray before = home.read(u"class-lists/Week 1.wdr"_s);
    const auto withSentences = [](QStringList sentences) {
        ClassList bad = list(u"Week 1"_s);
        bad.sentences = sentences;
        return bad;
    };
    const QList<std::pair<ClassList, QString>> cases = {
        {list(u"Week 1"_s, QStringList(WordListFile::MaxWords + 1, u"A"_s)), u"32,768 words"_s},
        {list(u"Week 1"_s, {u"C@T"_s}), u"may contain only letters"_s},
        {list(u"Week 1"_s, {u"ABCDEFGHIJKLMNOP"_s}), u"longer than 15"_s},
        {list(u"Week 1"_s, {}), u"holds no words"_s},
        {withSentences({QString(251, u'x'), {}, {}}), u"longer than 250"_s},
        {withSentences({u"Over\nthere."_s, {}, {}}), u"not text"_s},
        {withSentences({u"Over there."_s}), u"do not match"_s},
    };
    for (const auto &[bad, why] : cases) {
        ClassList newer = bad;
        newer.updated = Monday.addDays(7);
        const ClassListStore::Outcome done = store.sync({newer});
        ASSERT_EQ(done.refusals.size(), 1) << qPrintable(why);
        EXPECT_TRUE(done.refusals[0].contains(why)) << qPrintable(done.refusals[0]);
        EXPECT_EQ(done.removed, 0);
        EXPECT_EQ(home.read(u"class-lists/Week 1.wdr"_s), before);
    }
}

TEST_F(ClassListsTest, thisWeeksListPlaysFromTheNextStartWithoutTouchingTheSettings)
{
    ClassList week = list(u"Week 2"_s);
    week.thisWeek = true;
    week.sentences = {u"Over there."_s, {}, {}};
    server.lists = {list(u"Week 1"_s), week};
    const QByteArray settings = home.read(u"wordrow.ini"_s);

    commands.start(u"class"_s);
    EXPECT_EQ(server.fetches, 1);
    EXPECT_FALSE(captions.title().contains(u"Week 2"_s)); // not in the middle of a run

    ClassListCommands nextStart(state, captions, messages);
    nextStart.start(u"class"_s);
    EXPECT_EQ(captions.title(),
        MenuCaptions::windowTitle(file(u"Week 2.wdr"_s)) + u"  (this week's class list)"_s);
    EXPECT_EQ(state.words.toStringList(), week.words);
    EXPECT_EQ(state.sentences.of(u"THERE"), u"Over there."_s);
    EXPECT_EQ(home.read(u"wordrow.ini"_s), settings);

    // A computer taken out of the class plays its own start-up list.
    state.words = {u"DOG"_s};
    ClassListCommands outOfClass(state, captions, messages);
    outOfClass.start(QString());
    EXPECT_EQ(state.words.toStringList(), QStringList{u"DOG"_s});
}

TEST_F(ClassListsTest, aWithdrawnListInPlayGoesWhenItsRoundEndsAndTheStartupListTakesOver)
{
    server.lists = {list(u"Week 1"_s)};
    commands.start(u"class"_s);
    captions.showListInPlay(file(u"Week 1.wdr"_s));
    commands.roundStarted(u"THERE"_s);

    server.lists = {};
    commands.fetch();
    EXPECT_TRUE(QFile::exists(file(u"Week 1.wdr"_s)));
    commands.roundEnded({});
    EXPECT_FALSE(QFile::exists(file(u"Week 1.wdr"_s)));
    EXPECT_EQ(
        captions.title(), MenuCaptions::windowTitle(SettingsFile::defaultListPath(home.path())));
    EXPECT_EQ(state.words.toStringList(), (QStringList{u"DOG"_s, u"CAT"_s}));
}

TEST_F(ClassListsTest, fetchingFollowsTheClassServiceOfThePreferences)
{
    Preferences preferences(home.path());
    commands.start(preferences);
    EXPECT_EQ(server.fetches, 0);
    preferences.setClassService(u"class"_s);
    EXPECT_EQ(server.fetches, 1);
    preferences.setComputerName(u"Desk 4"_s); // changes nothing here
    preferences.setClassService({});
    preferences.setClassService(u"class"_s);
    EXPECT_EQ(server.fetches, 2);
}

TEST_F(ClassListsTest, anOfflineComputerGetsTheListsWhenBackAndHearsOfARefusalOnceBetweenRounds)
{
    server.online = false;
    server.lists = {list(u"Week 1"_s), list(u"Bad"_s, {u"C@T"_s})};
    commands.start(u"class"_s);
    EXPECT_FALSE(QFile::exists(folder));

    server.online = true;
    commands.roundStarted(u"DOG"_s);
    commands.fetch();
    EXPECT_TRUE(QFile::exists(file(u"Week 1.wdr"_s)));
    EXPECT_TRUE(messages.shown.isEmpty()); // not in the middle of a round
    commands.roundEnded({});
    commands.fetch();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"\"Bad\" was not taken"_s));
}

} // namespace
