#include "spelling/SpellingTest.h"
#include "spelling/FakeSpellingTestView.h"
#include "support/FakeClock.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePracticeRecord.h"
#include "support/FakeSpeaker.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

using Mark = SpellingMarking::Mark;

// The cells in short: a right letter as it is, [x] a wrong one, (x) the word's missing letter.
QString shorthand(const QList<SpellingMarking::Cell> &cells)
{
    QString text;
    for (const SpellingMarking::Cell &cell : cells)
        text += cell.mark == Mark::Right ? cell.typed
            : cell.mark == Mark::Wrong   ? u'[' + cell.typed + u']'
                                         : u'(' + cell.expected + u')';
    return text;
}

struct Marking
{
    QString typed;
    QString word;
    QString cells;
    QString description;
};

TEST(SpellingTestTest, MarksEachLetterWithoutLetterCaseAccentsAndSpacesIncluded)
{
    const QList<Marking> table{
        {u"Friend"_s, u"FRIEND"_s, u"Friend"_s, u"Every letter is right."_s},
        {u"frend"_s, u"FRIEND"_s, u"fr(I)end"_s, u"I is missing (letter 3)."_s},
        {u"fraend"_s, u"FRIEND"_s, u"fr[a]end"_s, u"a in place of I (letter 3)."_s},
        {u"friends"_s, u"FRIEND"_s, u"friend[s]"_s, u"s is one too many (after letter 6)."_s},
        {u"cafe"_s, u"café"_s, u"caf[e]"_s, u"e in place of é (letter 4)."_s},
        {u"CAFÉ"_s, u"café"_s, u"CAFÉ"_s, u"Every letter is right."_s},
        {u"icecream"_s, u"ice cream"_s, u"ice( )cream"_s, u"a space is missing (letter 4)."_s},
        {u"ice  cream"_s, u"ice cream"_s, u"ice[ ] cream"_s,
            u"a space is one too many (after letter 3)."_s},
        {u"dont"_s, u"DON'T"_s, u"don(')t"_s, u"' is missing (letter 4)."_s},
    };
    for (const Marking &row : table) {
        SCOPED_TRACE(row.typed.toStdString() + " for " + row.word.toStdString());
        const QList<SpellingMarking::Cell> cells = SpellingMarking::compare(row.typed, row.word);
        EXPECT_EQ(shorthand(cells), row.cells);
        EXPECT_EQ(SpellingMarking::description(cells), row.description);
        EXPECT_EQ(SpellingMarking::isRight(row.typed, row.word), row.cells == row.typed);
    }
}

TEST(SpellingTestTest, ChoosesDueWordsFirstInARandomOrderNeverTwiceAtMostTwenty)
{
    ScriptedRandom random;
    // Draws of 0 keep each group's order, a draw near 1 takes the group's last word first.
    random.script({0, 0, 0});
    EXPECT_EQ(
        SpellingTest::chooseWords({u"SAID"_s, u"WENT"_s}, {u"CAT"_s, u"said"_s, u"CAT"_s}, random),
        (QStringList{u"SAID"_s, u"WENT"_s, u"CAT"_s}));
    random.script({0.99, 0, 0.99, 0});
    EXPECT_EQ(SpellingTest::chooseWords({u"A"_s, u"B"_s}, {u"C"_s, u"D"_s}, random),
        (QStringList{u"B"_s, u"A"_s, u"D"_s, u"C"_s}));
    EXPECT_TRUE(random.exhausted());

    QStringList list;
    for (int i = 0; i < 1000; ++i)
        list.append(u"W"_s + QString::number(i));
    random.runOn = true;
    random.draws = 0;
    const QStringList chosen = SpellingTest::chooseWords({u"W5"_s, u"DUE"_s}, list, random);
    ASSERT_EQ(chosen.size(), SpellingTest::MaxWords);
    EXPECT_EQ(
        QSet<QString>(chosen.cbegin(), chosen.cbegin() + 2), (QSet<QString>{u"W5"_s, u"DUE"_s}));
    EXPECT_EQ(QSet<QString>(chosen.cbegin(), chosen.cend()).size(), SpellingTest::MaxWords);
    // Only the words taken are drawn, however long the list.
    EXPECT_EQ(random.draws, SpellingTest::MaxWords);
}

class SpellingTestRun : public ::testing::Test
{
protected:
    SpellingTest make(bool practiseDue)
    {
        random.script({0, 0, 0, 0});
        return SpellingTest({u"Sam"_s, u"/lists/week 3.wdr"_s, {u"CAT"_s, u"ICE CREAM"_s, u"DOG"_s},
                                practiseDue, [] { return QStringList{u"SAID"_s}; }},
            view, speaker, random, record, messages, clock);
    }

    const QDateTime Now{QDate(2026, 3, 6), QTime(9, 30)};
    const FakeClock clock{Now};
    FakeSpellingTestView view;
    FakeSpeaker speaker;
    ScriptedRandom random;
    FakePracticeRecord record;
    FakeMessageBoxes messages;
};

TEST_F(SpellingTestRun, AsksEachWordKeepsFirstAnswersHasWrongOnesCopiedAndAsksThemAgain)
{
    SpellingTest test = make(true);
    test.start();
    EXPECT_EQ(test.words(), (QStringList{u"SAID"_s, u"CAT"_s, u"ICE CREAM"_s, u"DOG"_s}));
    for (const QString &typed : {u"said"_s, u"kat"_s, u"kat"_s, u"Cat"_s, u"icecream"_s})
        test.answer(typed);
    EXPECT_EQ(test.stage(), SpellingTest::Stage::Copying);
    EXPECT_EQ(shorthand(view.cells), u"ice( )cream"_s);
    EXPECT_TRUE(view.description.contains(u"a space is missing"_s));
    // Answers are kept as they come: a window closed now keeps these three.
    ASSERT_EQ(record.kept.size(), 3);
    const PracticeRound &cat = record.kept[1];
    EXPECT_EQ(cat.kind, RoundKind::Kind::SpellingTest);
    EXPECT_EQ(cat.result, RoundResult::Lost);
    EXPECT_EQ(std::tuple(cat.word, cat.typed, cat.list, cat.player, cat.testStarted),
        std::tuple(u"CAT"_s, u"kat"_s, u"week 3.wdr"_s, u"Sam"_s, Now));
    EXPECT_FALSE(cat.id.isNull());
    EXPECT_NE(cat.id, record.kept[0].id);

    test.answer(u"ICE CREAM"_s);
    test.sayAgain();
    test.answer(u"dog"_s);
    EXPECT_EQ(view.number, u"Once more: word 1 of 2"_s);
    // Asked again: wrong once more, copied, then right; none of it is a first answer.
    for (const QString &typed : {u"kat"_s, u"cat"_s, u"ice cream"_s})
        test.answer(typed);
    EXPECT_EQ(test.stage(), SpellingTest::Stage::Ended);
    EXPECT_EQ(speaker.calls,
        (QStringList{u"say SAID"_s, u"say CAT"_s, u"say ICE CREAM"_s, u"say DOG"_s, u"say DOG"_s,
            u"say CAT"_s, u"say ICE CREAM"_s}));
    EXPECT_EQ(record.kept.size(), 4);
    EXPECT_EQ(view.score, u"2 of 4 right the first time"_s);
    EXPECT_EQ(view.missed, (QStringList{u"CAT"_s, u"ICE CREAM"_s}));
    test.answer(u"more"_s);
    test.sayAgain();
    EXPECT_EQ(record.kept.size(), 4);
    EXPECT_EQ(speaker.calls.size(), 7);
}

TEST_F(SpellingTestRun, TakesDueWordsOnlyWhenOnTypesWhatTheWordsHoldAndSaysARefusedRecordOnce)
{
    record.refuse = true;
    SpellingTest test = make(false);
    test.start();
    EXPECT_EQ(test.words(), (QStringList{u"CAT"_s, u"ICE CREAM"_s, u"DOG"_s}));
    EXPECT_TRUE(test.accepts(u"Ice cream-'"_s));
    EXPECT_FALSE(test.accepts(u"café"_s));
    EXPECT_FALSE(test.accepts(u"cat1"_s));
    test.answer(u"  "_s);
    EXPECT_EQ(test.currentWord(), u"CAT"_s);
    for (const QString &typed : {u"cat"_s, u"ice cream"_s, u"dog"_s})
        test.answer(typed);
    EXPECT_EQ(view.score, u"3 of 3 right the first time"_s);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(SpellingTestRun, SaysWordSentenceWordForAWordWithASentenceAndAgainOnRequest)
{
    Sentences sentences;
    ASSERT_TRUE(sentences.set(u"there", u"Put it over there."_s));
    random.script({0, 0});
    SpellingTest test({u"Sam"_s, u"week.wdr"_s, {u"THERE"_s, u"THEIR"_s}, false, {}, sentences},
        view, speaker, random, record, messages, clock);
    test.start();
    test.sayAgain();
    test.answer(u"their"_s);
    test.answer(u"there"_s);
    test.answer(u"their"_s);
    EXPECT_EQ(speaker.calls,
        (QStringList{u"say THERE / Put it over there. / THERE"_s,
            u"say THERE / Put it over there. / THERE"_s, u"say THEIR"_s,
            u"say THERE / Put it over there. / THERE"_s}));
}

} // namespace
