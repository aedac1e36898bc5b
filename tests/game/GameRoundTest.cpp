#include "game/RoundFixture.h"

#include <cmath>

namespace {

class NewRound : public RoundFixture
{
};

TEST_F(NewRound, FirstRoundDrawsAndShowsAFreshBoard)
{
    state.words = {u"CAT"_s, u"DOG"_s, u"EMU"_s};
    view.setLabelVisible(Label::Prompt, true);
    random.script({0.5}); // floor(3 * 0.5) = 1

    round.startRound();

    EXPECT_EQ(round.word(), u"DOG");
    EXPECT_EQ(round.lastWord(), u"DOG");
    EXPECT_TRUE(random.exhausted());
    EXPECT_GE(random.reseeds, 1);
    EXPECT_FALSE(view.label(Label::Prompt).visible);
    EXPECT_EQ(view.shownGallowsPicture, 0);
    EXPECT_EQ(round.gallowsPicture(), 0);
    EXPECT_EQ(view.enabledLetterCount(), 28);
    for (const auto &letter : view.letters)
        EXPECT_EQ(letter.color, QColor(255, 224, 192));
    EXPECT_EQ(view.slotCaptions(), u"___");
    EXPECT_EQ(
        view.slots[2].toolTip, u"This is where the letters appear when you choose correctly.");
    EXPECT_EQ(view.label(Label::Spelling).caption, u"Spell this word:");
    EXPECT_TRUE(view.label(Label::Spelling).visible);
    EXPECT_EQ(view.label(Label::LettersHeading).caption, u"From these letters");
    EXPECT_TRUE(view.label(Label::LettersHeading).visible);
    EXPECT_TRUE(view.label(Label::Remark).caption.isEmpty());
}

TEST_F(NewRound, NeverRepeatsTheLastWordSoTwoWordsAlternate)
{
    state.words = {u"CAT"_s, u"DOG"_s};
    random.script({0.1});
    round.startRound();
    ASSERT_EQ(round.word(), u"CAT");

    random.script({0.0, 0.4, 0.7}); // CAT twice more, then DOG
    round.startRound();
    EXPECT_EQ(round.word(), u"DOG");
    EXPECT_TRUE(random.exhausted());

    random.script({0.9, 0.2});
    round.startRound();
    EXPECT_EQ(round.word(), u"CAT");
    EXPECT_TRUE(random.exhausted());
}

TEST_F(NewRound, DrawMapsTheWholeRangeOfRIntoTheList)
{
    state.words = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
    random.script({0.25});
    round.startRound();
    EXPECT_EQ(round.word(), u"B");

    // The largest r below 1 still picks the last word, never one past it.
    random.script({std::nextafter(1.0, 0.0)});
    round.startRound();
    EXPECT_EQ(round.word(), u"D");
}

TEST_F(NewRound, ShowsOneSlotPerCharacterAndClearsTheRest)
{
    random.runOn = true;
    startWith(u"ABCDEFGHIJKLMNO"_s);
    EXPECT_EQ(view.visibleSlotCount(), 15);
    guess(u'O');
    EXPECT_EQ(view.slots[14].caption, u"O");

    startWith(u"CAT"_s);
    EXPECT_EQ(view.visibleSlotCount(), 3);
    EXPECT_TRUE(view.slots[14].caption.isEmpty());
    EXPECT_FALSE(view.slots[3].visible);
}

TEST_F(NewRound, MidRoundRestartResetsCountsPictureAndButtons)
{
    random.runOn = true;
    startWith(u"BECOME"_s);
    guessAll(u"AXZE"_s);
    ASSERT_EQ(round.misses(), 3);
    ASSERT_EQ(view.shownGallowsPicture, 3);

    state.words = {u"BECOME"_s, u"KITE"_s};
    round.startRound();

    EXPECT_EQ(round.word(), u"KITE");
    EXPECT_EQ(round.misses(), 0);
    EXPECT_EQ(round.hits(), 0);
    EXPECT_EQ(view.shownGallowsPicture, 0);
    EXPECT_EQ(round.gallowsPicture(), 0);
    EXPECT_EQ(view.enabledLetterCount(), 28);
    EXPECT_EQ(view.letters[letterIndex(u'E')].color, RoundTexts::availableColor);
    EXPECT_EQ(view.slotCaptions(), u"____");
}

TEST_F(NewRound, ListReplacedMidRoundKeepsTheWordAndIsUsedNextRound)
{
    random.runOn = true;
    startWith(u"CAT"_s);
    guess(u'C');

    state.words = {u"CAT"_s, u"DOG"_s};
    EXPECT_EQ(round.word(), u"CAT");
    EXPECT_EQ(view.slotCaptions(), u"C__");

    random.runOn = false;
    random.script({0.0, 0.0, 0.6});
    round.startRound();
    EXPECT_EQ(round.word(), u"DOG");
}

// A list that cannot give a different word must not hang or read past its end.
TEST_F(NewRound, OneWordListRepeatsItsWordWithASingleDraw)
{
    startWith(u"ONLY"_s);
    random.script({0.99});
    round.startRound();
    EXPECT_EQ(round.word(), u"ONLY");
    EXPECT_TRUE(random.exhausted());

    state.words = {u"ONLY"_s, u"ONLY"_s};
    random.script({0.7});
    round.startRound();
    EXPECT_EQ(round.word(), u"ONLY");
    EXPECT_EQ(view.visibleSlotCount(), 4);
}

TEST_F(NewRound, EmptyListLeavesEverythingAsItWas)
{
    view.setLabelVisible(Label::Prompt, true);
    round.startRound();

    EXPECT_EQ(random.draws, 0);
    EXPECT_TRUE(view.label(Label::Prompt).visible);
    EXPECT_EQ(view.enabledLetterCount(), 0);
    EXPECT_TRUE(round.word().isEmpty());
    EXPECT_EQ(view.hangPictureChanges, 0);
}

} // namespace
