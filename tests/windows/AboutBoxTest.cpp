#include "windows/AboutBox.h"
#include "core/GameState.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"
#include "windows/FakeAboutBoxView.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Side = AboutBoxView::Side;

namespace {

// First draws that pick each outcome of a bear click.
constexpr double JumpLeft = 0.1;
constexpr double JumpRight = 0.5;
constexpr double Speak = 0.9;

class AboutBoxTest : public ::testing::Test
{
protected:
    AboutBoxTest()
    {
        state.homeDir = dir.path();
        state.soundCardFound = true;
    }

    void click(Side bear, std::initializer_list<double> draws)
    {
        random.script(draws);
        bear == Side::Left ? box.bearClicked(Side::Left) : box.bearClicked(Side::Right);
    }
    FakeAboutBoxView::Comment &words(Side side) { return view.comment(side); }

    TempDir dir;
    GameState state;
    FakeAboutBoxView view;
    RecordingSoundPlayer player;
    ScriptedRandom random;
    AboutBox box{state, view, player, random};
};

} // namespace

TEST_F(AboutBoxTest, backgroundClicksBringTheLeftBearThenTheRightThenNothingMore)
{
    box.backgroundClicked();
    EXPECT_TRUE(view.bear(Side::Left).visible);
    EXPECT_FALSE(view.bear(Side::Right).visible);
    box.backgroundClicked();
    EXPECT_TRUE(view.bear(Side::Right).visible);

    box.backgroundClicked();
    box.backgroundClicked();
    EXPECT_TRUE(view.bear(Side::Left).visible && view.bear(Side::Right).visible);
    EXPECT_FALSE(words(Side::Left).visible || words(Side::Right).visible);
    // The background draws nothing and makes no sound.
    EXPECT_EQ(random.draws + random.reseeds, 0);
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(AboutBoxTest, theDrawsChooseWhichBearJumpsWhereOrThatTheClickedOneSpeaks)
{
    const struct
    {
        Side clicked;
        double pick;
        double landing;
        double leftTop;
        double rightTop;
        bool clickedSpeaks;
    } cases[] = {
        // floor(3r + 1) = 1: the left bear lands at floor(1280 r + 360), whichever was clicked.
        {Side::Left, 0.0, 0.5, 1000, 360, false},
        {Side::Right, 0.3333, 0.25, 680, 360, false},
        // 2: the right bear; the landing place is rounded down, 1512.512 to 1512.
        {Side::Left, 1.0 / 3, 0.9004, 360, 1512, false},
        {Side::Right, 0.6666, 0.9999999, 360, 1639, false},
        // 3: the clicked bear speaks, and nothing more is drawn.
        {Side::Left, 2.0 / 3, -1, 360, 360, true},
        {Side::Right, 0.999999, -1, 360, 360, true},
    };
    for (const auto &c : cases) {
        FakeAboutBoxView fresh;
        ScriptedRandom draws;
        if (c.landing < 0)
            draws.script({c.pick});
        else
            draws.script({c.pick, c.landing});
        AboutBox about(state, fresh, player, draws);
        c.clicked == Side::Left ? about.bearClicked(Side::Left) : about.bearClicked(Side::Right);

        const std::string which = "pick " + std::to_string(c.pick);
        EXPECT_TRUE(draws.exhausted()) << which;
        EXPECT_EQ(fresh.bear(Side::Left).geometry.top(), c.leftTop) << which;
        EXPECT_EQ(fresh.bear(Side::Right).geometry.top(), c.rightTop) << which;
        EXPECT_EQ(fresh.comment(c.clicked).visible, c.clickedSpeaks) << which;
        const Side other = c.clicked == Side::Left ? Side::Right : Side::Left;
        EXPECT_FALSE(fresh.comment(other).visible) << which;
        // Bears only move up and down.
        EXPECT_EQ(fresh.bear(Side::Left).geometry.left(), 360) << which;
        EXPECT_EQ(fresh.bear(Side::Right).geometry.left(), 3120) << which;
    }
}

TEST_F(AboutBoxTest, aHiddenBearCanJumpAndShowsWhereItLanded)
{
    box.backgroundClicked();
    click(Side::Left, {JumpRight, 0.5});
    EXPECT_FALSE(view.bear(Side::Right).visible);

    box.backgroundClicked();
    EXPECT_TRUE(view.bear(Side::Right).visible);
    EXPECT_EQ(view.bear(Side::Right).geometry.top(), 1000);
}

TEST_F(AboutBoxTest, aBearSaysThatTicklesAndStopThatByTurnsAcrossItsJumps)
{
    EXPECT_EQ(words(Side::Left).caption, u"That Tickles"_s);
    QStringList said;
    for (int i = 0; i < 3; ++i) {
        click(Side::Left, {Speak});
        EXPECT_TRUE(words(Side::Left).visible);
        said.append(words(Side::Left).caption);
    }
    EXPECT_EQ(said, (QStringList{u"That tickles"_s, u"Stop that"_s, u"That tickles"_s}));

    // Each bear keeps its own turn, and a jump silences only the jumping bear.
    click(Side::Right, {Speak});
    EXPECT_EQ(words(Side::Right).caption, u"That tickles"_s);
    click(Side::Left, {JumpRight, 0.5});
    EXPECT_FALSE(words(Side::Right).visible);
    EXPECT_TRUE(words(Side::Left).visible);

    click(Side::Right, {Speak});
    EXPECT_TRUE(words(Side::Right).visible);
    EXPECT_EQ(words(Side::Right).caption, u"Stop that"_s);
}

TEST_F(AboutBoxTest, wordsAreCentredJustAboveTheBearAtTheirNewWidthYetStayWhole)
{
    click(Side::Left, {JumpLeft, 0.5});
    click(Side::Left, {Speak});
    const QRectF bear = view.bear(Side::Left).geometry;
    EXPECT_EQ(words(Side::Left).geometry.top(), bear.top() - FakeAboutBoxView::LabelHeight - 50);
    EXPECT_EQ(words(Side::Left).geometry.center().x(), bear.center().x());
    // Shorter words are centred too: the width that counts is the new one.
    click(Side::Left, {Speak});
    EXPECT_EQ(words(Side::Left).geometry.width(), 9 * FakeAboutBoxView::CharWidth);
    EXPECT_EQ(words(Side::Left).geometry.center().x(), bear.center().x());

    // Centred over the right bear, the longer words would stick out past the right edge.
    click(Side::Right, {Speak});
    const QRectF right = view.bear(Side::Right).geometry;
    EXPECT_GT(right.center().x() + words(Side::Right).geometry.width() / 2, AboutBox::InnerWidth);
    EXPECT_EQ(words(Side::Right).geometry.right(), AboutBox::InnerWidth);
    EXPECT_EQ(words(Side::Right).geometry.top(), right.top() - FakeAboutBoxView::LabelHeight - 50);
    // Past the left edge likewise.
    view.bear(Side::Left).geometry.moveLeft(-600);
    click(Side::Left, {Speak});
    EXPECT_EQ(words(Side::Left).geometry.left(), 0);
}

TEST_F(AboutBoxTest, everyBearClickStartsANewRandomSequenceFirst)
{
    class OrderedRandom final : public RandomSource
    {
    public:
        void reseed() override { events.append(u"reseed"_s); }
        double draw() override
        {
            events.append(u"draw"_s);
            return next.isEmpty() ? Speak : next.takeFirst();
        }
        QStringList events;
        QList<double> next{JumpLeft, 0.5};
    } ordered;
    AboutBox withOrder(state, view, player, ordered);

    withOrder.bearClicked(Side::Left);
    withOrder.bearClicked(Side::Right);
    EXPECT_EQ(
        ordered.events, (QStringList{u"reseed"_s, u"draw"_s, u"draw"_s, u"reseed"_s, u"draw"_s}));
}

TEST_F(AboutBoxTest, closingPlaysItsSoundOnlyWhenSoundsCanPlay)
{
    box.close();
    EXPECT_EQ(player.played, QStringList{dir.filePath(u"sound560.wav"_s)});

    state.soundsOff = true;
    box.close();
    state.soundsOff = false;
    state.soundCardFound = false;
    box.close();
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_EQ(player.beeps, 0);
}
