#include "TitleScreen.h"
#include "FakeFileSystem.h"
#include "FakeMainWindowView.h"
#include "Module1.h"
#include "SplashLayout.h"
#include "TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;
using Side = TitleScreenView::Side;
using MenuItem = MainWindowView::MenuItem;

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
    int hangPicture(Side side) const override { return pictures.at(side); }
    void showHangPicture(Side side, int index) override { pictures[side] = index; }
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
    TitleScreenTest() { state.varHomeDir = dir.path(); }

    TempDir dir;
    Module1 state;
    FakeTitleScreenView view;
    FakeMainWindowView mainWindow;
    FakeFileSystem files{u"/"_s};
    TitleScreen screen{state, view, mainWindow, files};
};

} // namespace

TEST(SplashLayout, placesEveryControlForTheInnerSize)
{
    const SplashLayout layout = SplashLayout::forInnerSize(9600, 7200,
        {QSizeF(3750, 2400), QSizeF(1380, 300), QSizeF(612, 1572), QSizeF(2052, 2052),
            QSizeF(2532, 2412)});
    EXPECT_EQ(layout.chkHideSplash, QPointF(400, 6200));
    EXPECT_EQ(layout.cmdOK, QPointF(8300, 6300));
    EXPECT_EQ(layout.imgTitle, QPointF(2925, 1200));
    EXPECT_EQ(layout.lblQuilbyte, QPointF(4110, 3800));
    EXPECT_EQ(layout.imgBearLeft, QPointF(3570, 3800));
    EXPECT_EQ(layout.imgBearRight, QPointF(5590, 3800));
    EXPECT_EQ(layout.imgHangLeft, QPointF(773, 1200));
    EXPECT_EQ(layout.imgHangRight, QPointF(6375, 1200));
    EXPECT_EQ(layout.lblDedication, QPointF(4494, 4200));
}

TEST(SplashLayout, keepsTheRightBearClearOfAWiderMakerLine)
{
    const SplashLayout layout = SplashLayout::forInnerSize(9600, 7200,
        {QSizeF(3750, 2400), QSizeF(1560, 315), QSizeF(612, 1572), QSizeF(2052, 2052),
            QSizeF(2532, 2412)});
    EXPECT_EQ(layout.imgBearRight.x(), layout.lblQuilbyte.x() + 1560 + 100);
    EXPECT_EQ(layout.lblDedication.y(), 3800 + 315 + 100);
}

TEST_F(TitleScreenTest, backgroundClicksBringTheLeftBearThenTheRightOne)
{
    screen.Form_Click();
    EXPECT_TRUE(view.bears[Side::Left].visible);
    EXPECT_FALSE(view.bears[Side::Right].visible);
    screen.Form_Click();
    EXPECT_TRUE(view.bears[Side::Right].visible);
    screen.Form_Click();
    EXPECT_TRUE(view.bears[Side::Left].visible && view.bears[Side::Right].visible);
}

TEST_F(TitleScreenTest, aBearUncoversItsPictureAndSendsTheOtherHopping)
{
    screen.Form_Click();
    screen.imgBearLeft_Click();
    EXPECT_EQ(view.pictures[Side::Left], 6);
    // The hidden right bear stands on the title's top edge now, and shows there.
    EXPECT_EQ(view.bears[Side::Right].top, 660);
    EXPECT_EQ(view.bears[Side::Left].top, 3800);
    screen.Form_Click();
    EXPECT_TRUE(view.bears[Side::Right].visible);
    EXPECT_EQ(view.bears[Side::Right].top, 660);

    screen.imgBearLeft_Click();
    EXPECT_EQ(view.bears[Side::Right].top, 3800);

    screen.imgBearRight_Click();
    EXPECT_EQ(view.pictures[Side::Right], 7);
    EXPECT_EQ(view.bears[Side::Left].top, 660);
    EXPECT_EQ(view.bears[Side::Right].top, 3800);
}

TEST_F(TitleScreenTest, theDedicationWaitsForBothPictures)
{
    screen.imgTitle_Click();
    screen.imgBearRight_Click();
    screen.imgTitle_Click();
    EXPECT_FALSE(view.dedication);
    screen.imgBearLeft_Click();
    screen.imgBearLeft_Click();
    screen.imgTitle_Click();
    EXPECT_TRUE(view.dedication);
}

TEST_F(TitleScreenTest, closingUntickedLeavesTheSettingsByteForByte)
{
    const QByteArray settings = "\"D:\\\\lists\\\\w\xe9" "ek.wdr\"\r\n#FALSE#\r\n";
    dir.write(u"wordrow.ini"_s, settings);
    screen.Form_Unload();
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settings);
    EXPECT_FALSE(state.blnHideSplash);
    EXPECT_TRUE(mainWindow.menus.empty());
    EXPECT_EQ(mainWindow.mainWindowShows, 1);
}

TEST_F(TitleScreenTest, closingTickedRecordsTheChoiceAndKeepsLineOne)
{
    dir.write(u"wordrow.ini"_s, "\"/home/sam/w\xe9" "ek 1.wdr\"\r\n#FALSE#\r\n");
    view.ticked = true;
    screen.Form_Unload();
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), "\"/home/sam/w\xe9" "ek 1.wdr\"\r\n#TRUE#\r\n");
    EXPECT_TRUE(state.blnHideSplash);
    EXPECT_EQ(files.current, dir.path());
    EXPECT_FALSE(mainWindow.menus[MenuItem::mnuFileOptionsShow].checked);
    EXPECT_TRUE(mainWindow.menus[MenuItem::mnuFileOptionsShow].enabled);
    EXPECT_TRUE(mainWindow.menus[MenuItem::mnuFileOptionsHide].checked);
    EXPECT_FALSE(mainWindow.menus[MenuItem::mnuFileOptionsHide].enabled);
    EXPECT_EQ(mainWindow.mainWindowShows, 1);
}

TEST_F(TitleScreenTest, aSettingsFileThatCannotBeWrittenStillLetsTheGameShow)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"wordrow.ini"_s));
    view.ticked = true;
    screen.Form_Unload();
    EXPECT_FALSE(state.blnHideSplash);
    EXPECT_TRUE(mainWindow.menus.empty());
    EXPECT_EQ(mainWindow.mainWindowShows, 1);
}
