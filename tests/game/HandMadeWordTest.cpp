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

TEST_F(HandMadeWord, UnguessableCharactersShowFromTheStartAndTheRestIsFoundByTheButtons)
{
    const struct
    {
        QString word;
        QString atStart; // the slots as the round starts, '_' for one still to find
        int foundAtStart;
        QString guesses; // the winning letter last
        int misses;
        QString atEnd;
        QString won; // as the win's tooltip names the word
    } cases[] = {
        // Lower-case letters are found by their buttons and shown as on them.
        {u"kitten"_s, u"______"_s, 0, u"KITEN"_s, 0, u"KITTEN"_s, u"KITTEN"_s},
        {u"Ice Cream"_s, u"___ _____"_s, 1, u"ICERAM"_s, 0, u"ICE CREAM"_s, u"ICE CREAM"_s},
        // An accented letter shows from the start and its plain letter misses.
        {u"café"_s, u"___é"_s, 1, u"ECAF"_s, 1, u"CAFé"_s, u"CAFÉ"_s},
        // Dotless i turns into I in upper case, but I does not turn back into it; ß has no
        // single upper-case letter.
        {u"kılıç ß"_s, u"_ı_ıç ß"_s, 5, u"IKL"_s, 1, u"KıLıç ß"_s, u"KILIÇ SS"_s},
        // The hyphen is still guessed in a lower-case word.
        {u"x-ray"_s, u"_____"_s, 0, u"XRAY-"_s, 0, u"X-RAY"_s, u"X-RAY"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.word.toStdString());
        player.played.clear();
        startWith(c.word);
        EXPECT_EQ(view.visibleSlotCount(), c.word.size());
        EXPECT_EQ(view.slotCaptions(), c.atStart);
        EXPECT_EQ(round.hits(), c.foundAtStart);
        EXPECT_EQ(view.enabledLetterCount(), 28);

        guessAll(c.guesses.chopped(1));
        ASSERT_NE(view.shownGallowsPicture, 8) << "won before the last letter";
        guess(c.guesses.back());

        EXPECT_EQ(view.slotCaptions(), c.atEnd);
        EXPECT_EQ(round.hits(), c.word.size());
        EXPECT_EQ(round.misses(), c.misses);
        expectWon(c.won);
    }
}

TEST_F(HandMadeWord, WordWithNothingToGuessMissesAndWinsOnTheFirstClick)
{
    startWith(u"123"_s);
    EXPECT_EQ(view.slotCaptions(), u"123");
    EXPECT_EQ(view.enabledLetterCount(), 28) << "the round waits for a click, as for an empty word";
    EXPECT_EQ(view.shownGallowsPicture, 0);

    guess(u'Q');

    EXPECT_EQ(round.misses(), 1);
    EXPECT_TRUE(isIn(RoundTexts::missRemarks, round.lastRemarks().miss));
    EXPECT_EQ(view.hangPictureChanges, 3) << "0 at the start, 1 for the miss, 8 for the win";
    expectWon(u"123"_s);

    // The next round starts with empty slots again.
    startWith(u"CAT"_s);
    EXPECT_EQ(view.slotCaptions(), u"___");
    EXPECT_EQ(round.hits(), 0);
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
