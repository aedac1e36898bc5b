#include "game/RoundFixture.h"

#include <cmath>
#include <utility>

namespace {

class Guess : public RoundFixture
{
protected:
    Guess() { random.runOn = true; }
};

TEST_F(Guess, RepeatedLetterFillsEverySlotAsOneHit)
{
    startWith(u"BECOME"_s);
    const int drawsBefore = random.draws;

    guess(u'E');

    EXPECT_EQ(round.hits(), 2);
    EXPECT_EQ(round.misses(), 0);
    EXPECT_EQ(view.slotCaptions(), u"_E___E");
    EXPECT_TRUE(isIn(RoundTexts::hitRemarks, remark()));
    EXPECT_EQ(round.lastRemarks().hit, remark());
    EXPECT_EQ(random.draws - drawsBefore, 2); // one remark, one position
    EXPECT_FALSE(view.letters[letterIndex(u'E')].enabled);
    EXPECT_EQ(view.letters[letterIndex(u'E')].color, QColor(192, 192, 192));
    EXPECT_EQ(view.enabledLetterCount(), 27);
    EXPECT_EQ(view.shownGallowsPicture, 0);
}

TEST_F(Guess, FiveMissesGoOnAndTheSixthLoses)
{
    startWith(u"BECOME"_s);
    guess(u'E');
    const QString misses = u"ADFGH"_s;
    for (int i = 0; i < misses.size(); ++i) {
        guess(misses[i]);
        EXPECT_EQ(view.shownGallowsPicture, i + 1);
        EXPECT_EQ(round.gallowsPicture(), i + 1);
        EXPECT_TRUE(isIn(RoundTexts::missRemarks, remark()));
    }
    EXPECT_EQ(view.enabledLetterCount(), 22);
    EXPECT_TRUE(player.played.isEmpty()) << "hits and misses are silent";

    guess(u'I');

    EXPECT_EQ(round.misses(), 6);
    EXPECT_EQ(view.shownGallowsPicture, 7);
    EXPECT_EQ(round.gallowsPicture(), 7);
    EXPECT_TRUE(isIn(RoundTexts::loseRemarks, remark()));
    EXPECT_EQ(view.enabledLetterCount(), 0);
    EXPECT_EQ(view.letters[letterIndex(u'I')].color, RoundTexts::usedColor);
    EXPECT_EQ(view.letters[letterIndex(u'Z')].color, RoundTexts::availableColor);
    EXPECT_EQ(view.slotCaptions(), u"_E___E") << "unfound letters stay blank";
    EXPECT_EQ(view.label(Label::Spelling).caption, u"The word was BECOME");
    EXPECT_TRUE(view.label(Label::LettersHeading).caption.isEmpty());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(view.slots[i].toolTip, u"You were supposed to spell BECOME.");
    EXPECT_EQ(player.played.size(), 1);
}

TEST_F(Guess, WinAfterFiveMissesWithLastLetter)
{
    startWith(u"BECOME"_s);
    guessAll(u"ADFGHBCOM"_s);
    ASSERT_EQ(round.misses(), 5);
    ASSERT_EQ(view.label(Label::Spelling).caption, u"Spell this word:");

    guess(u'E');

    EXPECT_EQ(round.hits(), 6);
    EXPECT_EQ(view.shownGallowsPicture, 8);
    EXPECT_EQ(round.gallowsPicture(), 8);
    EXPECT_TRUE(isIn(RoundTexts::winRemarks, remark()));
    EXPECT_TRUE(isIn(RoundTexts::hitRemarks, round.lastRemarks().hit))
        << "the replaced hit remark still counts as shown";
    EXPECT_EQ(view.enabledLetterCount(), 0);
    EXPECT_EQ(view.slotCaptions(), u"BECOME");
    EXPECT_EQ(view.label(Label::Spelling).caption, u"You spelled this word:");
    EXPECT_EQ(view.label(Label::LettersHeading).caption, u"From these letters");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(view.slots[i].toolTip, u"That's right!  The word was BECOME.");
    ASSERT_EQ(player.played.size(), 1);
}

TEST_F(Guess, HandMadeWordIsToldAsStoredAndInUpperCaseInToolTips)
{
    startWith(u"it's"_s);
    guessAll(u"IT'"_s);
    EXPECT_EQ(view.slotCaptions(), u"IT'_");
    guessAll(u"ABCDFG"_s);

    EXPECT_EQ(view.shownGallowsPicture, 7);
    EXPECT_EQ(view.slotCaptions(), u"IT'_");
    EXPECT_EQ(view.label(Label::Spelling).caption, u"The word was it's");
    EXPECT_EQ(view.slots[0].toolTip, u"You were supposed to spell IT'S.");
}

TEST_F(Guess, EmptyWordMissesAndWinsInOneClick)
{
    startWith(QString());
    EXPECT_EQ(view.visibleSlotCount(), 0);

    guess(u'Q');

    EXPECT_EQ(round.misses(), 1);
    EXPECT_TRUE(isIn(RoundTexts::missRemarks, round.lastRemarks().miss));
    EXPECT_TRUE(isIn(RoundTexts::winRemarks, remark()));
    EXPECT_EQ(view.hangPictureChanges, 3) << "0 at the start, 1 for the miss, 8 for the win";
    EXPECT_EQ(view.shownGallowsPicture, 8);
    EXPECT_EQ(view.enabledLetterCount(), 0);
    EXPECT_EQ(player.played.size(), 1);
}

TEST_F(Guess, EndOfRoundSoundFollowsTheSwitches)
{
    startWith(u"OX"_s);
    guessAll(u"ABCDEF"_s);
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_EQ(player.beeps, 0);

    state.soundCardFound = false;
    startWith(u"OX"_s);
    guessAll(u"OX"_s);
    EXPECT_EQ(player.played.size(), 1) << "no sound card: a beep instead";
    EXPECT_EQ(player.beeps, 1);

    state.soundsOff = true;
    startWith(u"OX"_s);
    guessAll(u"ABCDEF"_s);
    state.soundCardFound = true;
    startWith(u"OX"_s);
    guessAll(u"OX"_s);
    EXPECT_EQ(player.played.size(), 1) << "sounds off: silence, not even a beep";
    EXPECT_EQ(player.beeps, 1);
}

class ScriptedGuess : public RoundFixture
{
};

TEST_F(ScriptedGuess, LossSoundIsDrawnOneBasedBeforeTheRemark)
{
    state.homeDir = u"/games"_s;
    const std::pair<double, double> soundAndRemark[]
        = {{0.0, 0.9}, {std::nextafter(1.0, 0.0), 0.1}};
    for (const auto &[r, remarkDraw] : soundAndRemark) {
        startWith(u"OX"_s);
        // Five misses, each a remark draw and a place.
        random.script({0.0, 0.5, 0.1, 0.5, 0.2, 0.5, 0.3, 0.5, 0.4, 0.5});
        guessAll(u"ABCDE"_s);
        random.script({r, remarkDraw, 0.5});
        guess(u'F');
        EXPECT_TRUE(random.exhausted());
    }
    EXPECT_EQ(player.played, (QStringList{u"/games/Laser.wav"_s, u"/games/Sound999.wav"_s}));
}

TEST_F(ScriptedGuess, WinSoundIsDrawnOneBasedAfterTheHitRemark)
{
    state.homeDir = u"/games"_s;
    startWith(u"OX"_s);
    random.script({0.0, 0.5});
    guess(u'O');
    random.script({0.1, 0.5, 0.5, 0.0, 0.5}); // hit remark, place, win sound, remark, place
    guess(u'X');
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(player.played, QStringList{u"/games/Ratatat.wav"_s}); // floor(0.5 * 20 + 1) = 11
}

TEST_F(ScriptedGuess, RemarkNeverRepeatsWithinItsKindAcrossHitsAndRounds)
{
    startWith(u"BECOME"_s);
    random.script({0.0, 0.5});
    guess(u'A');
    EXPECT_EQ(remark(), u"Are you trying to kill me?");

    random.script({0.0, 0.5});
    guess(u'B');
    EXPECT_EQ(remark(), u"Good job!");

    // The same draw again: the miss table is asked until it gives another remark.
    random.script({0.0, 0.01, 0.5, 0.5});
    guess(u'D');
    EXPECT_EQ(remark(), u"Come on now!");
    EXPECT_TRUE(random.exhausted());

    // The memory outlives the round.
    startWith(u"BECOME"_s);
    random.script({0.5, 0.0, 0.5});
    guess(u'Z');
    EXPECT_EQ(remark(), u"Are you trying to kill me?");
    EXPECT_TRUE(random.exhausted());
}

TEST_F(ScriptedGuess, RemarkIsPlacedAtARandomLeftEdge)
{
    startWith(u"BECOME"_s);
    view.windowWidth = 9504;
    view.remarkLabelWidth = 1500;
    random.script({0.0, 0.5});
    guess(u'A');
    EXPECT_EQ(view.remarkLeft, 4003); // floor(8004 * 0.5 + 1)
    EXPECT_TRUE(view.label(Label::Remark).visible);

    random.script({0.5, 0.0});
    guess(u'D');
    EXPECT_EQ(view.remarkLeft, 1);

    // Wider than the window: the left edge goes below 1 and the remark is cut.
    view.remarkLabelWidth = 12000;
    random.script({0.2, 0.5});
    guess(u'F');
    EXPECT_EQ(view.remarkLeft, -1247); // floor(-2496 * 0.5 + 1)
}

TEST_F(ScriptedGuess, IndexOutsideTheButtonsIsIgnored)
{
    startWith(u"CAT"_s);
    round.guess(28);
    round.guess(-1);
    EXPECT_EQ(round.misses(), 0);
    EXPECT_EQ(random.draws, 1);
    EXPECT_EQ(view.enabledLetterCount(), 28);
}

} // namespace
