#include "windows/HelpTopicsLayout.h"

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

std::array<QRectF, 6> allOf(const HelpTopicsLayout &layout)
{
    return {layout.contentsLabel, layout.titleLabel, layout.headingLabel, layout.contents,
        layout.margin, layout.description};
}

} // namespace

TEST(HelpTopicsLayout, dividesTheRestoredInnerAreaIntoBandsAndColumns)
{
    const HelpTopicsLayout layout = HelpTopicsLayout::forInnerSize(7128, 6528);
    expectRect(layout.contentsLabel, 0, 0, 1995.84, 372);
    expectRect(layout.titleLabel, 1995.84, 0, 5132.16, 372);
    expectRect(layout.headingLabel, 1995.84, 372, 5132.16, 372);
    expectRect(layout.contents, 0, 372, 1995.84, 6156);
    expectRect(layout.margin, 1995.84, 744, 100, 5784);
    expectRect(layout.description, 2095.84, 744, 5032.16, 5784);
}

TEST(HelpTopicsLayout, fillsTheInnerAreaWithoutGapsAtAnySize)
{
    for (const auto &[W, H] : {std::pair{7128.0, 6528.0}, {19200.0, 14610.0}, {3000.0, 900.0}}) {
        const HelpTopicsLayout layout = HelpTopicsLayout::forInnerSize(W, H);
        EXPECT_NEAR(layout.titleLabel.right(), W, 1e-9);
        EXPECT_NEAR(layout.headingLabel.right(), W, 1e-9);
        EXPECT_NEAR(layout.description.right(), W, 1e-9);
        EXPECT_NEAR(layout.description.bottom(), H, 1e-9);
        EXPECT_NEAR(layout.contents.bottom(), H, 1e-9);
        EXPECT_NEAR(layout.margin.bottom(), H, 1e-9);
        EXPECT_NEAR(layout.margin.right(), layout.description.left(), 1e-9);
        EXPECT_NEAR(layout.contents.right(), layout.margin.left(), 1e-9);
        EXPECT_NEAR(layout.headingLabel.bottom(), layout.description.top(), 1e-9);
    }
}

TEST(HelpTopicsLayout, givesZeroRatherThanNegativeSizesInATinyWindow)
{
    // Too short for the text, too narrow for the text box beside the blank strip.
    const HelpTopicsLayout small = HelpTopicsLayout::forInnerSize(100, 500);
    expectRect(small.contentsLabel, 0, 0, 28, 372);
    expectRect(small.contents, 0, 372, 28, 128);
    expectRect(small.margin, 28, 744, 100, 0);
    expectRect(small.description, 128, 744, 0, 0);

    const HelpTopicsLayout shorter = HelpTopicsLayout::forInnerSize(7128, 200);
    EXPECT_DOUBLE_EQ(shorter.contents.height(), 0);
    EXPECT_NEAR(shorter.description.width(), 5032.16, 1e-9);

    for (const auto &[W, H] : {std::pair{0.0, 0.0}, {-300.0, -20.0}, {138.0, 743.0}}) {
        for (const QRectF &rect : allOf(HelpTopicsLayout::forInnerSize(W, H))) {
            EXPECT_GE(rect.width(), 0) << W << " x " << H;
            EXPECT_GE(rect.height(), 0) << W << " x " << H;
        }
    }
}
