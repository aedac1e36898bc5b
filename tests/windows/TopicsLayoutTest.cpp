#include "TopicsLayout.h"

#include <gtest/gtest.h>

#include <array>

namespace {

void expectRect(const QRectF &actual, double left, double top, double width, double height)
{
    EXPECT_NEAR(actual.left(), left, 1e-9);
    EXPECT_NEAR(actual.top(), top, 1e-9);
    EXPECT_NEAR(actual.width(), width, 1e-9);
    EXPECT_NEAR(actual.height(), height, 1e-9);
}

std::array<QRectF, 6> allOf(const TopicsLayout &layout)
{
    return {layout.lblContents, layout.lblTitle, layout.lblHeading, layout.lstContents,
        layout.lblMargin, layout.txtDescription};
}

} // namespace

TEST(TopicsLayout, dividesTheRestoredClientAreaIntoBandsAndColumns)
{
    const TopicsLayout layout = TopicsLayout::forClientSize(7128, 6528);
    expectRect(layout.lblContents, 0, 0, 1995.84, 372);
    expectRect(layout.lblTitle, 1995.84, 0, 5132.16, 372);
    expectRect(layout.lblHeading, 1995.84, 372, 5132.16, 372);
    expectRect(layout.lstContents, 0, 372, 1995.84, 6156);
    expectRect(layout.lblMargin, 1995.84, 744, 100, 5784);
    expectRect(layout.txtDescription, 2095.84, 744, 5032.16, 5784);
}

TEST(TopicsLayout, fillsTheClientAreaWithoutGapsAtAnySize)
{
    for (const auto &[W, H] : {std::pair{7128.0, 6528.0}, {19200.0, 14610.0}, {3000.0, 900.0}}) {
        const TopicsLayout layout = TopicsLayout::forClientSize(W, H);
        EXPECT_NEAR(layout.lblTitle.right(), W, 1e-9);
        EXPECT_NEAR(layout.lblHeading.right(), W, 1e-9);
        EXPECT_NEAR(layout.txtDescription.right(), W, 1e-9);
        EXPECT_NEAR(layout.txtDescription.bottom(), H, 1e-9);
        EXPECT_NEAR(layout.lstContents.bottom(), H, 1e-9);
        EXPECT_NEAR(layout.lblMargin.bottom(), H, 1e-9);
        EXPECT_NEAR(layout.lblMargin.right(), layout.txtDescription.left(), 1e-9);
        EXPECT_NEAR(layout.lstContents.right(), layout.lblMargin.left(), 1e-9);
        EXPECT_NEAR(layout.lblHeading.bottom(), layout.txtDescription.top(), 1e-9);
    }
}

TEST(TopicsLayout, givesZeroRatherThanNegativeSizesInATinyWindow)
{
    // Too short for the text, too narrow for the text box beside the blank strip.
    const TopicsLayout small = TopicsLayout::forClientSize(100, 500);
    expectRect(small.lblContents, 0, 0, 28, 372);
    expectRect(small.lstContents, 0, 372, 28, 128);
    expectRect(small.lblMargin, 28, 744, 100, 0);
    expectRect(small.txtDescription, 128, 744, 0, 0);

    const TopicsLayout shorter = TopicsLayout::forClientSize(7128, 200);
    EXPECT_DOUBLE_EQ(shorter.lstContents.height(), 0);
    EXPECT_NEAR(shorter.txtDescription.width(), 5032.16, 1e-9);

    for (const auto &[W, H] : {std::pair{0.0, 0.0}, {-300.0, -20.0}, {138.0, 743.0}}) {
        for (const QRectF &rect : allOf(TopicsLayout::forClientSize(W, H))) {
            EXPECT_GE(rect.width(), 0) << W << " x " << H;
            EXPECT_GE(rect.height(), 0) << W << " x " << H;
        }
    }
}
