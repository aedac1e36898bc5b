#include "game/MainLayout.h"
#include "ui/Twips.h"

#include <gtest/gtest.h>

namespace {

MainLayout layoutFor(double W, double H)
{
    const std::optional<MainLayout> layout = MainLayout::forInnerSize(W, H);
    EXPECT_TRUE(layout.has_value());
    return layout.value_or(MainLayout{});
}

} // namespace

TEST(MainLayout, placesEveryControlAtTheRestoredSize)
{
    const MainLayout layout = layoutFor(9504, 5316);

    EXPECT_NEAR(layout.letters[0].width(), 339.29, 0.005);
    EXPECT_DOUBLE_EQ(layout.letters[0].left(), 2);
    EXPECT_NEAR(layout.letters[1].left(), 341.43, 0.005);
    EXPECT_NEAR(layout.letters[2].left(), 680.86, 0.005);
    EXPECT_DOUBLE_EQ(layout.letters[27].top(), 4689);
    EXPECT_DOUBLE_EQ(layout.letters[27].height(), 252);

    EXPECT_DOUBLE_EQ(layout.slots[0].width(), 528);
    EXPECT_DOUBLE_EQ(layout.slots[0].height(), 528);
    EXPECT_DOUBLE_EQ(layout.slots[0].left(), 400);
    EXPECT_DOUBLE_EQ(layout.slots[1].left(), 978);
    EXPECT_DOUBLE_EQ(layout.slots[2].left(), 1556);
    EXPECT_DOUBLE_EQ(layout.slots[14].top(), 3891);

    EXPECT_EQ(layout.spelling, QPointF(396, 3639));
    EXPECT_EQ(layout.newWordButton, QRectF(8204, 3891, 1020, 372));
    EXPECT_EQ(layout.prompt.topLeft(), QPointF(8204, 2391));
    EXPECT_EQ(layout.lettersHeading.topLeft(), QPointF(4086, 4964));
    EXPECT_EQ(layout.gallowsPicture, QRectF(3306, 380, 2892, 3492));
}

TEST(MainLayout, centresAWiderLettersHeadingAtItsOwnWidth)
{
    const MainLayout layout = *MainLayout::forInnerSize(9504, 5316, 1600);
    EXPECT_EQ(layout.lettersHeading, QRectF(3952, 4964, 1600, 252));
}

TEST(MainLayout, letsTheNewWordButtonCoverTheLastSlotsUntilTheWindowIsWideEnough)
{
    const MainLayout restored = layoutFor(9504, 5316);
    EXPECT_DOUBLE_EQ(restored.slots[13].left(), 7914);
    EXPECT_DOUBLE_EQ(restored.slots[13].right(), 8442);
    EXPECT_GT(restored.slots[13].right(), restored.newWordButton.left());

    EXPECT_GT(
        layoutFor(14384, 5316).slots[14].right(), layoutFor(14384, 5316).newWordButton.left());
    EXPECT_LE(
        layoutFor(14385, 5316).slots[14].right(), layoutFor(14385, 5316).newWordButton.left());
}

TEST(MainLayout, shrinksAndOverlapsInASmallWindowWithoutMovingAnythingElse)
{
    const MainLayout narrow = layoutFor(2000, 3000);
    // The picture is cut at both sides, still centred.
    EXPECT_DOUBLE_EQ(narrow.gallowsPicture.left(), -446);
    EXPECT_DOUBLE_EQ(narrow.gallowsPicture.width(), 2892);
    // The slot row rises into the picture.
    EXPECT_LT(narrow.slots[0].top(), narrow.gallowsPicture.bottom());
    EXPECT_DOUBLE_EQ(narrow.newWordButton.left(), 700);

    const MainLayout justWideEnough = layoutFor(4, 100);
    EXPECT_DOUBLE_EQ(justWideEnough.letters[0].width(), 0);
    EXPECT_LT(justWideEnough.newWordButton.top(), 0);
}

TEST(MainLayout, skipsTheLayoutWhileTheWindowIsNarrowerThanFourTwips)
{
    EXPECT_FALSE(MainLayout::forInnerSize(3.9, 5316).has_value());
    EXPECT_FALSE(MainLayout::forInnerSize(0, 0).has_value());
}

TEST(Twips, roundsEdgesSoNeighboursNeitherGapNorOverlap)
{
    EXPECT_EQ(Twips::toPixels(15.0), 1);
    EXPECT_EQ(Twips::toPixels(7.5), 1);
    EXPECT_EQ(Twips::toPixels(-7.5), -1);
    EXPECT_DOUBLE_EQ(Twips::fromPixels(634), 9510);

    const MainLayout layout = layoutFor(9510, 5310);
    for (int i = 0; i + 1 < 28; ++i) {
        const QRect left = Twips::toPixels(layout.letters[i]);
        const QRect right = Twips::toPixels(layout.letters[i + 1]);
        EXPECT_LE(left.right(), right.left() - 1) << i;
        EXPECT_GE(left.right(), right.left() - 2) << i;
    }
}

TEST(Twips, bringsPixelSizesAndRectsBackUnchanged)
{
    for (const QRect &pixels : {QRect(0, 0, 1, 1), QRect(8, 40, 129, 23), QRect(-3, 7, 0, 5)}) {
        EXPECT_EQ(Twips::toPixels(Twips::fromPixels(pixels)), pixels);
        EXPECT_EQ(Twips::toPixels(Twips::fromPixels(pixels.size())), pixels.size());
    }
}
