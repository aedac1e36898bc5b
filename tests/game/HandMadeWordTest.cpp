#include "game/RoundFixture.h"

namespace {

// Words from lists typed outside the game: any letter case, and characters no button can guess.
class HandMadeWord : public RoundFixture
{
protected:
    HandMadeWord() { random.runOn = true; }

    void expectWon(const QString &upperCaseWord)
    {
        EXPECT_EQ(view.shownGallowsPicture, 8);
        EXPECT_TRUE(isIn(RoundTexts::winRemarks, remark()));
        EXPECT_EQ(view.enabledLetterCount(), 0);
        EXPECT_EQ(view.label(Label::Spelling).caption, u"You spelled this word:");
        EXPECT_EQ(view.slots[0].toolTip, u"That's right!  The word was "_s + upperCaseWord + u'.');
        EXPECT_EQ(player.played.size(), 1);
    }
};

TEST_F(HandMadeWord, LowerCaseLettersAreFoundByTheirButtonsAndShownAsOnThem)
{
    startWith(u"kitten"_s);
    guessAll(u"KIT"_s);
    EXPECT_EQ(view.slotCaptions(), u"KITT__");
    EXPECT_EQ(state.hits, 4);
    ASSERT_EQ(view.shownGallowsPicture, 0);

    guessAll(u"EN"_s);

    EXPECT_EQ(view.slotCaptions(), u"KITTEN");
    EXPECT_EQ(state.misses, 0);
    expectWon(u"KITTEN"_s);
}

TEST_F(HandMadeWord, SpaceIsShownFromTheStartAndNeverGuessed)
{
    startWith(u"Ice Cream"_s);
    EXPECT_EQ(view.visibleSlotCount(), 9);
    EXPECT_EQ(view.slotCaptions(), u"___ _____");
    EXPECT_EQ(state.hits, 1);
    EXPECT_EQ(view.enabledLetterCount(), 28);

    guessAll(u"ICERA"_s);
    ASSERT_EQ(view.shownGallowsPicture, 0) << "not won before the last letter";
    guess(u'M');

    EXPECT_EQ(view.slotCaptions(), u"ICE CREAM");
    EXPECT_EQ(state.hits, 9);
    EXPECT_EQ(state.misses, 0);
    expectWon(u"ICE CREAM"_s);
}

TEST_F(HandMadeWord, AccentedLetterIsShownFromTheStartAndItsPlainLetterMisses)
{
    startWith(u"café"_s);
    EXPECT_EQ(view.slotCaptions(), u"___é");

    guess(u'E');
    EXPECT_EQ(state.misses, 1);
    EXPECT_EQ(view.shownGallowsPicture, 1);
    guessAll(u"CAF"_s);

    EXPECT_EQ(view.slotCaptions(), u"CAFé");
    expectWon(u"CAFÉ"_s);
}

TEST_F(HandMadeWord, OnlyOneToOneCasePairsCount)
{
    // Dotless i turns into I in upper case, but I does not turn back into it; ß has no single
    // upper-case letter.
    startWith(u"kılıç ß"_s);
    EXPECT_EQ(view.slotCaptions(), u"_ı_ıç ß");

    guess(u'I');
    EXPECT_EQ(state.misses, 1);
    guessAll(u"KL"_s);

    EXPECT_EQ(view.slotCaptions(), u"KıLıç ß");
    expectWon(u"KILIÇ SS"_s);
}

TEST_F(HandMadeWord, HyphenIsStillGuessedInALowerCaseWord)
{
    startWith(u"x-ray"_s);
    EXPECT_EQ(view.slotCaptions(), u"_____");
    EXPECT_EQ(state.hits, 0);

    guessAll(u"XRAY"_s);
    EXPECT_EQ(view.slotCaptions(), u"X_RAY");
    ASSERT_EQ(view.shownGallowsPicture, 0);
    guess(u'-');

    EXPECT_EQ(view.slotCaptions(), u"X-RAY");
    expectWon(u"X-RAY"_s);
}

TEST_F(HandMadeWord, WordWithNothingToGuessMissesAndWinsOnTheFirstClick)
{
    startWith(u"123"_s);
    EXPECT_EQ(view.slotCaptions(), u"123");
    EXPECT_EQ(view.enabledLetterCount(), 28) << "the round waits for a click, as for an empty word";
    EXPECT_EQ(view.shownGallowsPicture, 0);

    guess(u'Q');

    EXPECT_EQ(state.misses, 1);
    EXPECT_TRUE(isIn(RoundTexts::missRemarks, state.lastMissRemark));
    EXPECT_EQ(view.hangPictureChanges, 3) << "0 at the start, 1 for the miss, 8 for the win";
    expectWon(u"123"_s);

    // The next round starts with empty slots again.
    startWith(u"CAT"_s);
    EXPECT_EQ(view.slotCaptions(), u"___");
    EXPECT_EQ(state.hits, 0);
}

TEST_F(HandMadeWord, CharacterBeyondSixteenBitsShowsWholeInTheFirstOfItsTwoSlots)
{
    const QString cat = u"\U0001F431"_s;
    startWith(u"cat"_s + cat);
    ASSERT_EQ(view.visibleSlotCount(), 5);
    EXPECT_EQ(view.slots[3].caption, cat);
    EXPECT_EQ(view.slots[4].caption, cat.mid(1))
        << "its second half, for the window to leave blank";

    guessAll(u"CAT"_s);
    expectWon(u"CAT"_s + cat);
}

} // namespace
