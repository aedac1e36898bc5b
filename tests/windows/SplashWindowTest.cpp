#include "Form1.h"
#include "Module1.h"
#include "PictureBox.h"
#include "ProgramFixture.h"
#include "frmSplash.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Side = TitleScreenView::Side;
using MenuItem = MainWindowView::MenuItem;

namespace {

class SplashWindowTest : public ProgramFixture
{
protected:
    SplashWindowTest()
    {
        dir.write(u"wordrow.wdr"_s, "\"CAT\"\r\n\"DOG\"\r\n");
        dir.write(u"wordrow.ini"_s, settings);
    }

    // Starts the program as main does; the title screen is up, the main window waits.
    frmSplash *start()
    {
        window->Form_Load();
        frmSplash *splash = window->titleScreen();
        EXPECT_TRUE(splash && QTest::qWaitForWindowExposed(splash));
        return splash;
    }
    static void click(QWidget *widget, QPoint at = {})
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
    }

    const QByteArray settings = "\"lists/week 1.wdr\"\r\n#FALSE#\r\n";
};

} // namespace

TEST_F(SplashWindowTest, greetsThePlayerWhileTheMainWindowWaits)
{
    frmSplash *splash = start();
    EXPECT_TRUE(window->isTitleScreenOpen());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(splash->windowTitle(), u"Wordrow by Quilbyte"_s);
    EXPECT_TRUE(splash->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(
        splash->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());

    EXPECT_TRUE(splash->cmdOK()->isDefault());
    EXPECT_EQ(splash->focusWidget(), splash->cmdOK());
    EXPECT_FALSE(splash->chkHideSplash()->isChecked());
    EXPECT_FALSE(splash->imgBear(Side::Left)->isVisible());
    EXPECT_FALSE(splash->imgBear(Side::Right)->isVisible());
    EXPECT_FALSE(splash->lblDedication()->isVisible());
    EXPECT_TRUE(splash->imgHang(Side::Left)->resource().isEmpty());
    EXPECT_EQ(splash->imgTitle()->size(), QSize(250, 160));
    EXPECT_EQ(splash->lblQuilbyte()->text(), u"by Quilbyte"_s);
    EXPECT_FALSE(splash->lblQuilbyte()->toolTip().isEmpty());
}

TEST_F(SplashWindowTest, laysOutItsControlsAtEveryResize)
{
    frmSplash *splash = start();
    splash->showNormal();
    splash->resize(640, 480); // 9600 x 7200 twips
    QLabel *maker = splash->lblQuilbyte();
    EXPECT_EQ(splash->chkHideSplash()->pos(), QPoint(27, 413));
    EXPECT_EQ(splash->cmdOK()->pos(), QPoint(553, 420));
    EXPECT_EQ(splash->imgTitle()->pos(), QPoint(195, 80));
    EXPECT_NEAR(maker->x(), (640 - maker->width()) / 2.0, 1);
    EXPECT_EQ(maker->y(), 80 + 160 + 13);
    EXPECT_EQ(splash->imgBear(Side::Left)->pos(), QPoint(maker->x() - 36, maker->y()));
    EXPECT_EQ(splash->imgHang(Side::Left)->geometry(), QRect(52, 80, 137, 137));
    EXPECT_EQ(splash->imgHang(Side::Right)->geometry(), QRect(425, 80, 169, 161));
    EXPECT_EQ(splash->lblDedication()->size(), QSize(41, 105));
    // Where the title and the right picture overlap, the title is in front.
    EXPECT_EQ(splash->childAt(435, 120), splash->imgTitle());
}

TEST_F(SplashWindowTest, theBearsPlayOnlyOnTheBackground)
{
    frmSplash *splash = start();
    click(splash->lblQuilbyte());
    click(splash->imgHang(Side::Left));
    EXPECT_FALSE(splash->imgBear(Side::Left)->isVisible());

    click(splash, QPoint(5, 5));
    EXPECT_TRUE(splash->imgBear(Side::Left)->isVisible());
    EXPECT_FALSE(splash->imgBear(Side::Right)->isVisible());

    click(splash->imgBear(Side::Left));
    EXPECT_EQ(splash->imgHang(Side::Left)->resource(), Form1::hangPictureResource(6));
    EXPECT_EQ(splash->imgBear(Side::Right)->y(), splash->imgTitle()->y() - 36);
    click(splash, QPoint(5, 5));
    EXPECT_TRUE(splash->imgBear(Side::Right)->isVisible());

    click(splash->imgTitle());
    EXPECT_FALSE(splash->lblDedication()->isVisible());
    click(splash->imgBear(Side::Right));
    EXPECT_EQ(splash->imgHang(Side::Right)->resource(), Form1::hangPictureResource(7));
    click(splash->imgTitle());
    EXPECT_TRUE(splash->lblDedication()->isVisible());

    // A resize puts both bears back on the maker line.
    splash->showNormal();
    splash->resize(700, 500);
    EXPECT_EQ(splash->imgBear(Side::Left)->y(), splash->lblQuilbyte()->y());
    EXPECT_EQ(splash->imgBear(Side::Right)->y(), splash->lblQuilbyte()->y());
}

TEST_F(SplashWindowTest, closingUntickedShowsTheGameAndLeavesTheSettings)
{
    frmSplash *splash = start();
    splash->close();
    settle();
    EXPECT_FALSE(window->isTitleScreenOpen());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settings);
    EXPECT_TRUE(window->menuItem(MenuItem::mnuFileOptionsShow)->isChecked());
    EXPECT_FALSE(state.blnHideSplash);
}

TEST_F(SplashWindowTest, enterRightAfterTickingClosesAndRecordsTheChoice)
{
    frmSplash *splash = start();
    ASSERT_TRUE(QTest::qWaitFor([splash] { return QApplication::activeWindow() == splash; }));
    click(splash->chkHideSplash());
    EXPECT_TRUE(splash->chkHideSplash()->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), splash->cmdOK());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_FALSE(window->isTitleScreenOpen());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), "\"lists/week 1.wdr\"\r\n#TRUE#\r\n");
    EXPECT_TRUE(state.blnHideSplash);
    EXPECT_TRUE(window->menuItem(MenuItem::mnuFileOptionsHide)->isChecked());
    EXPECT_FALSE(window->menuItem(MenuItem::mnuFileOptionsHide)->isEnabled());
    EXPECT_TRUE(window->menuItem(MenuItem::mnuFileOptionsShow)->isEnabled());
}

TEST_F(SplashWindowTest, escapeLeavesLikeOk)
{
    frmSplash *splash = start();
    splash->chkHideSplash()->setChecked(true);
    QTest::keyClick(splash, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(window->isTitleScreenOpen());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(state.blnHideSplash);
}
