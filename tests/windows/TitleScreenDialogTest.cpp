#include "windows/TitleScreenDialog.h"
#include "app/MainWindow.h"
#include "core/GameState.h"
#include "support/ProgramFixture.h"
#include "ui/PictureBox.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Side = TitleScreenView::Side;

namespace {

class TitleScreenDialogTest : public ProgramFixture
{
protected:
    TitleScreenDialogTest()
    {
        dir.write(u"wordrow.wdr"_s, "\"CAT\"\r\n\"DOG\"\r\n");
        dir.write(u"wordrow.ini"_s, settings);
    }

    // Starts the program as main does; the title screen is up, the main window waits.
    TitleScreenDialog *start()
    {
        window->start();
        TitleScreenDialog *splash = window->titleScreen();
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

TEST_F(TitleScreenDialogTest, greetsThePlayerWhileTheMainWindowWaits)
{
    TitleScreenDialog *splash = start();
    EXPECT_TRUE(window->isTitleScreenOpen());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(splash->windowTitle(), u"Wordrow by Quilbyte"_s);
    EXPECT_TRUE(splash->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(
        splash->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());

    EXPECT_TRUE(splash->findChild<QPushButton *>(u"cmdOK"_s)->isDefault());
    EXPECT_EQ(splash->focusWidget(), splash->findChild<QPushButton *>(u"cmdOK"_s));
    EXPECT_FALSE(splash->findChild<QCheckBox *>(u"chkHideSplash"_s)->isChecked());
    EXPECT_FALSE(splash->bear(Side::Left)->isVisible());
    EXPECT_FALSE(splash->bear(Side::Right)->isVisible());
    EXPECT_FALSE(splash->findChild<QLabel *>(u"lblDedication"_s)->isVisible());
    EXPECT_TRUE(splash->gallowsPicture(Side::Left)->resource().isEmpty());
    EXPECT_EQ(splash->findChild<PictureBox *>(u"imgTitle"_s)->size(), QSize(250, 160));
    EXPECT_EQ(splash->findChild<QLabel *>(u"lblQuilbyte"_s)->text(), u"by Quilbyte"_s);
    EXPECT_FALSE(splash->findChild<QLabel *>(u"lblQuilbyte"_s)->toolTip().isEmpty());
}

TEST_F(TitleScreenDialogTest, laysOutItsControlsAtEveryResize)
{
    TitleScreenDialog *splash = start();
    splash->showNormal();
    splash->resize(640, 480); // 9600 x 7200 twips
    QLabel *maker = splash->findChild<QLabel *>(u"lblQuilbyte"_s);
    EXPECT_EQ(splash->findChild<QCheckBox *>(u"chkHideSplash"_s)->pos(), QPoint(27, 413));
    EXPECT_EQ(splash->findChild<QPushButton *>(u"cmdOK"_s)->pos(), QPoint(553, 420));
    EXPECT_EQ(splash->findChild<PictureBox *>(u"imgTitle"_s)->pos(), QPoint(195, 80));
    EXPECT_NEAR(maker->x(), (640 - maker->width()) / 2.0, 1);
    EXPECT_EQ(maker->y(), 80 + 160 + 13);
    EXPECT_EQ(splash->bear(Side::Left)->pos(), QPoint(maker->x() - 36, maker->y()));
    EXPECT_EQ(splash->gallowsPicture(Side::Left)->geometry(), QRect(52, 80, 137, 137));
    EXPECT_EQ(splash->gallowsPicture(Side::Right)->geometry(), QRect(425, 80, 169, 161));
    EXPECT_EQ(splash->findChild<QLabel *>(u"lblDedication"_s)->size(), QSize(41, 105));
    // Where the title and the right picture overlap, the title is in front.
    EXPECT_EQ(splash->childAt(435, 120), splash->findChild<PictureBox *>(u"imgTitle"_s));
}

TEST_F(TitleScreenDialogTest, theBearsPlayOnlyOnTheBackground)
{
    TitleScreenDialog *splash = start();
    click(splash->findChild<QLabel *>(u"lblQuilbyte"_s));
    click(splash->gallowsPicture(Side::Left));
    EXPECT_FALSE(splash->bear(Side::Left)->isVisible());

    click(splash, QPoint(5, 5));
    EXPECT_TRUE(splash->bear(Side::Left)->isVisible());
    EXPECT_FALSE(splash->bear(Side::Right)->isVisible());

    click(splash->bear(Side::Left));
    EXPECT_EQ(splash->gallowsPicture(Side::Left)->resource(), Pictures::gallows(6));
    EXPECT_EQ(
        splash->bear(Side::Right)->y(), splash->findChild<PictureBox *>(u"imgTitle"_s)->y() - 36);
    click(splash, QPoint(5, 5));
    EXPECT_TRUE(splash->bear(Side::Right)->isVisible());

    click(splash->findChild<PictureBox *>(u"imgTitle"_s));
    EXPECT_FALSE(splash->findChild<QLabel *>(u"lblDedication"_s)->isVisible());
    click(splash->bear(Side::Right));
    EXPECT_EQ(splash->gallowsPicture(Side::Right)->resource(), Pictures::gallows(7));
    click(splash->findChild<PictureBox *>(u"imgTitle"_s));
    EXPECT_TRUE(splash->findChild<QLabel *>(u"lblDedication"_s)->isVisible());

    // A resize puts both bears back on the maker line.
    splash->showNormal();
    splash->resize(700, 500);
    EXPECT_EQ(splash->bear(Side::Left)->y(), splash->findChild<QLabel *>(u"lblQuilbyte"_s)->y());
    EXPECT_EQ(splash->bear(Side::Right)->y(), splash->findChild<QLabel *>(u"lblQuilbyte"_s)->y());
}

TEST_F(TitleScreenDialogTest, closingUntickedShowsTheGameAndLeavesTheSettings)
{
    TitleScreenDialog *splash = start();
    splash->close();
    settle();
    EXPECT_FALSE(window->isTitleScreenOpen());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settings);
    EXPECT_TRUE(window->menuCaptions().showTitleScreen()->isChecked());
    EXPECT_FALSE(state.hideTitleScreen);
}

TEST_F(TitleScreenDialogTest, enterRightAfterTickingClosesAndRecordsTheChoice)
{
    TitleScreenDialog *splash = start();
    ASSERT_TRUE(QTest::qWaitFor([splash] { return QApplication::activeWindow() == splash; }));
    click(splash->findChild<QCheckBox *>(u"chkHideSplash"_s));
    EXPECT_TRUE(splash->findChild<QCheckBox *>(u"chkHideSplash"_s)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), splash->findChild<QPushButton *>(u"cmdOK"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_FALSE(window->isTitleScreenOpen());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), "\"lists/week 1.wdr\"\r\n#TRUE#\r\n");
    EXPECT_TRUE(state.hideTitleScreen);
    EXPECT_TRUE(window->menuCaptions().hideTitleScreen()->isChecked());
    EXPECT_FALSE(window->menuCaptions().hideTitleScreen()->isEnabled());
    EXPECT_TRUE(window->menuCaptions().showTitleScreen()->isEnabled());
}

TEST_F(TitleScreenDialogTest, escapeLeavesLikeOk)
{
    TitleScreenDialog *splash = start();
    splash->findChild<QCheckBox *>(u"chkHideSplash"_s)->setChecked(true);
    QTest::keyClick(splash, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(window->isTitleScreenOpen());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(state.hideTitleScreen);
}
