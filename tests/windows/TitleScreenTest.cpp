#include "windows/TitleScreen.h"
#include "core/GameState.h"
#include "game/MenuCaptions.h"
#include "support/FakeMainWindowView.h"
#include "support/TempDir.h"
#include "windows/TitleScreenLayout.h"

#include <QAction>
#include <QDir>

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;
using Side = TitleScreenView::Side;

namespace {

// The title screen's controls as plain values, placed as the layout places them at 9600 x 7200.
class FakeTitleScreenView final : public TitleScreenView
{
public:
    bool isBearVisible(Side side) const override { return bears.at(side).visible; }
    void showBear(Side side) override { bears[side].visible = true; }
    double bearTop(Side side) const override { return bears.at(side).top; }
    void setBearTop(Side side, double top) override { bears[side].top = top; }
    double bearHeight(Side) const override { return 540; }
    double makerLineTop() const override { return 3800; }
    double titleTop() const override { return 1200; }
    int shownGallowsPicture(Side side) const override { return pictures.at(side); }
    void showGallowsPicture(Side side, int index) override { pictures[side] = index; }
    void showDedication() override { dedication = true; }
    bool isHideTicked() const override { return ticked; }

    struct Bear
    {
        bool visible = false;
        double top = 3800;
    };
    std::map<Side, Bear> bears{{Side::Left, {}}, {Side::Right, {}}};
    std::map<Side, int> pictures{{Side::Left, -1}, {Side::Right, -1}};
    bool dedication = false;
    bool ticked = false;
};

class TitleScreenTest : public ::testing::Test
{
protected:
    TitleScreenTest() { state.homeDir = dir.path(); }

    TempDir dir;
    GameState state;
    FakeTitleScreenView view;
    FakeMainWindowView mainWindow;
    MenuCaptions captions;
    TitleScreen screen{state, view, mainWindow, captions};
    // The hide item untouched, as the window's menu first shows it.
    bool captionsUntouched() const
    {
        return !captions.hideTitleScreen()->isChecked() && captions.hideTitleScreen()->isEnabled();
    }
};

} // namespace

TEST(TitleScreenLayout, placesEveryControlForTheInnerSize)
{
    const TitleScreenLayout layout = TitleScreenLayout::forInnerSize(9600, 7200,
        {QSizeF(3750, 2400), QSizeF(1380, 300), QSizeF(612, 1572), QSizeF(2052, 2052),
            QSizeF(2532, 2412)});
    EXPECT_EQ(layout.hideCheckBox, QPointF(400, 6200));
    EXPECT_EQ(layout.okButton, QPointF(8300, 6300));
    EXPECT_EQ(layout.titlePicture, QPointF(2925, 1200));
    EXPECT_EQ(layout.makerLine, QPointF(4110, 3800));
    EXPECT_EQ(layout.leftBear, QPointF(3570, 3800));
    EXPECT_EQ(layout.rightBear, QPointF(5590, 3800));
    EXPECT_EQ(layout.leftGallows, QPointF(773, 1200));
    EXPECT_EQ(layout.rightGallows, QPointF(6375, 1200));
    EXPECT_EQ(layout.dedication, QPointF(4494, 4200));
}

TEST(TitleScreenLayout, keepsTheRightBearClearOfAWiderMakerLine)
{
    const TitleScreenLayout layout = TitleScreenLayout::forInnerSize(9600, 7200,
        {QSizeF(3750, 2400), QSizeF(1560, 315), QSizeF(612, 1572), QSizeF(2052, 2052),
            QSizeF(2532, 2412)});
    EXPECT_EQ(layout.rightBear.x(), layout.makerLine.x() + 1560 + 100);
    EXPECT_EQ(layout.dedication.y(), 3800 + 315 + 100);
}

TEST_F(TitleScreenTest, backgroundClicksBringTheLeftBearThenTheRightOne)
{
    screen.backgroundClicked();
    EXPECT_TRUE(view.bears[Side::Left].visible);
    EXPECT_FALSE(view.bears[Side::Right].visible);
    screen.backgroundClicked();
    EXPECT_TRUE(view.bears[Side::Right].visible);
    screen.backgroundClicked();
    EXPECT_TRUE(view.bears[Side::Left].visible && view.bears[Side::Right].visible);
}

TEST_F(TitleScreenTest, aBearUncoversItsPictureAndSendsTheOtherHopping)
{
    screen.backgroundClicked();
    screen.bearClicked(Side::Left);
    EXPECT_EQ(view.pictures[Side::Left], 6);
    // The hidden right bear stands on the title's top edge now, and shows there.
    EXPECT_EQ(view.bears[Side::Right].top, 660);
    EXPECT_EQ(view.bears[Side::Left].top, 3800);
    screen.backgroundClicked();
    EXPECT_TRUE(view.bears[Side::Right].visible);
    EXPECT_EQ(view.bears[Side::Right].top, 660);

    screen.bearClicked(Side::Left);
    EXPECT_EQ(view.bears[Side::Right].top, 3800);

    screen.bearClicked(Side::Right);
    EXPECT_EQ(view.pictures[Side::Right], 7);
    EXPECT_EQ(view.bears[Side::Left].top, 660);
    EXPECT_EQ(view.bears[Side::Right].top, 3800);
}

TEST_F(TitleScreenTest, theDedicationWaitsForBothPictures)
{
    screen.titleClicked();
    screen.bearClicked(Side::Right);
    screen.titleClicked();
    EXPECT_FALSE(view.dedication);
    screen.bearClicked(Side::Left);
    screen.bearClicked(Side::Left);
    screen.titleClicked();
    EXPECT_TRUE(view.dedication);
}

TEST_F(TitleScreenTest, closingUntickedLeavesTheSettingsByteForByte)
{
    const QByteArray settings = "\"D:\\\\lists\\\\w\xe9"
                                "ek.wdr\"\r\n#FALSE#\r\n";
    dir.write(u"wordrow.ini"_s, settings);
    screen.close();
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settings);
    EXPECT_FALSE(state.hideTitleScreen);
    EXPECT_TRUE(captionsUntouched());
    EXPECT_EQ(mainWindow.mainWindowShows, 1);
}

TEST_F(TitleScreenTest, closingTickedRecordsTheChoiceAndKeepsLineOne)
{
    dir.write(u"wordrow.ini"_s,
        "\"/home/sam/w\xe9"
        "ek 1.wdr\"\r\n#FALSE#\r\n");
    view.ticked = true;
    screen.close();
    EXPECT_EQ(dir.read(u"wordrow.ini"_s),
        "\"/home/sam/w\xe9"
        "ek 1.wdr\"\r\n#TRUE#\r\n");
    EXPECT_TRUE(state.hideTitleScreen);
    EXPECT_FALSE(captions.showTitleScreen()->isChecked());
    EXPECT_TRUE(captions.showTitleScreen()->isEnabled());
    EXPECT_TRUE(captions.hideTitleScreen()->isChecked());
    EXPECT_FALSE(captions.hideTitleScreen()->isEnabled());
    EXPECT_EQ(mainWindow.mainWindowShows, 1);
}

TEST_F(TitleScreenTest, aSettingsFileThatCannotBeWrittenStillLetsTheGameShow)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"wordrow.ini"_s));
    view.ticked = true;
    screen.close();
    EXPECT_FALSE(state.hideTitleScreen);
    EXPECT_TRUE(captionsUntouched());
    EXPECT_EQ(mainWindow.mainWindowShows, 1);
}
