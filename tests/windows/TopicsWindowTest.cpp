#include "HelpTopics.h"
#include "Module1.h"
#include "RecordingSoundPlayer.h"
#include "TempDir.h"
#include "frmTopics.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class TopicsWindowTest : public ::testing::Test
{
protected:
    TopicsWindowTest()
    {
        state.varHomeDir = dir.path();
        state.blnSoundCard = true;
        window = open();
    }
    ~TopicsWindowTest() override { delete window; }

    frmTopics *open()
    {
        auto *opened = new frmTopics(state, player);
        opened->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(opened));
        return opened;
    }
    // The client area at a size in pixels, the menu bar on top.
    void resizeClient(const QSize &size)
    {
        QWidget *client = window->centralWidget();
        window->resize(window->size() + size - client->size());
        EXPECT_TRUE(QTest::qWaitFor([&] { return client->size() == size; }));
    }
    // The text box's text with the line ends a text box keeps.
    static QString shown(const QString &text) { return QString(text).replace(u"\r\n"_s, u"\n"_s); }
    QString description() const { return window->txtDescription()->toPlainText(); }
    int scrolledTo() const { return window->txtDescription()->verticalScrollBar()->value(); }
    // Lets a closed window be deleted.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempDir dir;
    Module1 state;
    RecordingSoundPlayer player;
    QPointer<frmTopics> window;
};

} // namespace

TEST_F(TopicsWindowTest, opensOnTheFirstTopicWithTheFocusInTheList)
{
    EXPECT_EQ(window->windowTitle(), u"Help Topics"_s);
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

    QListWidget *list = window->lstContents();
    ASSERT_EQ(list->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(list->item(i)->text(), HelpTopics::title(i));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_EQ(window->lblHeading()->text(), u"1. Opening Title Screen"_s);
    EXPECT_EQ(description(), shown(HelpTopics::text(0)));
    EXPECT_EQ(window->txtDescription()->textCursor().position(), 0);
    EXPECT_EQ(scrolledTo(), 0);
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(state.strTopicText[0], HelpTopics::text(0));

    // Tab goes from the list to the text and back, typing nothing.
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->txtDescription());
    QTest::keyClick(window->txtDescription(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(description(), shown(HelpTopics::text(0)));
}

TEST_F(TopicsWindowTest, opensAtItsRestoredSizeCentredWithOnlyACloseCommand)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(475, 435));
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 2);

    const QList<QAction *> items = window->menuBar()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0], window->mnuClose());
    EXPECT_EQ(window->mnuClose()->text(), u"&Close"_s);
    EXPECT_EQ(window->mnuClose()->menu(), nullptr);
}

TEST_F(TopicsWindowTest, bandsAndListUseTheirOwnColoursAndTheTextBoxHasNoFrame)
{
    EXPECT_EQ(window->lblContents()->text(), u"Contents"_s);
    EXPECT_EQ(window->lblTitle()->text(), u"W o r d r o w"_s);
    EXPECT_TRUE(window->lblMargin()->text().isEmpty());
    EXPECT_TRUE(window->lstContents()->font().underline());

    // Grey and blue in the contents column; the desktop's own text background in the bands.
    const QColor grey(224, 224, 224);
    EXPECT_EQ(window->lblContents()->palette().color(QPalette::Window), grey);
    EXPECT_EQ(window->lstContents()->palette().color(QPalette::Base), grey);
    EXPECT_EQ(window->lstContents()->palette().color(QPalette::Text), QColor(0, 0, 192));
    EXPECT_EQ(window->lblTitle()->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    const QColor background = QApplication::palette().color(QPalette::Base);
    for (QLabel *label : {window->lblTitle(), window->lblHeading(), window->lblMargin()}) {
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), background);
    }

    QPlainTextEdit *text = window->txtDescription();
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->frameShape(), QFrame::NoFrame);
}

TEST_F(TopicsWindowTest, arrowKeysAndClicksShowEachTopicFromItsBeginning)
{
    QListWidget *list = window->lstContents();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->lblHeading()->text(), u"2. Playing the Game"_s);
    const QString playing = description();
    EXPECT_EQ(playing, shown(HelpTopics::text(1)));
    EXPECT_EQ(playing.split(u"\n\n"_s).size(), 5);
    EXPECT_FALSE(playing.endsWith(u'\n'));
    EXPECT_EQ(window->txtDescription()->document()->blockCount(), 9);

    // Read to the end, then on to the next topic: it starts at the top again.
    QScrollBar *bar = window->txtDescription()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    window->txtDescription()->moveCursor(QTextCursor::End);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->lblHeading()->text(), u"3. Word Lists"_s);
    EXPECT_EQ(scrolledTo(), 0);
    EXPECT_EQ(window->txtDescription()->textCursor().position(), 0);

    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(window->lblHeading()->text(), u"8. Quitting the Game"_s);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(window->lblHeading()->text(), u"7. Getting Help"_s);

    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    EXPECT_EQ(window->lblHeading()->text(), u"5. Removing a Word List"_s);
    EXPECT_EQ(description(), shown(HelpTopics::text(4)));
}

TEST_F(TopicsWindowTest, ctrlClickOnTheChosenTopicKeepsItChosen)
{
    QListWidget *list = window->lstContents();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
        list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_EQ(window->lblHeading()->text(), u"1. Opening Title Screen"_s);
    EXPECT_EQ(description(), shown(HelpTopics::text(0)));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->lblHeading()->text(), u"2. Playing the Game"_s);
}

TEST_F(TopicsWindowTest, typingInTheTextIsDiscardedAtTheNextChoice)
{
    QPlainTextEdit *text = window->txtDescription();
    text->setFocus();
    QTest::keyClicks(text, u"scribble "_s);
    EXPECT_TRUE(description().startsWith(u"scribble The first time"_s));
    EXPECT_EQ(state.strTopicText[0], HelpTopics::text(0));

    QListWidget *list = window->lstContents();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(description(), shown(HelpTopics::text(0)));
    EXPECT_EQ(state.strTopicText[0], HelpTopics::text(0));
}

TEST_F(TopicsWindowTest, placesTheControlsAtEveryClientSizeAndRecoversFromATinyOne)
{
    const auto expectLaidOutAt600By450 = [this] {
        EXPECT_EQ(window->lblContents()->geometry(), QRect(0, 0, 168, 25));
        EXPECT_EQ(window->lblTitle()->geometry(), QRect(168, 0, 432, 25));
        EXPECT_EQ(window->lblHeading()->geometry(), QRect(168, 25, 432, 25));
        EXPECT_EQ(window->lstContents()->geometry(), QRect(0, 25, 168, 425));
        EXPECT_EQ(window->lblMargin()->geometry(), QRect(168, 50, 7, 400));
        EXPECT_EQ(window->txtDescription()->geometry(), QRect(175, 50, 425, 400));
    };
    resizeClient(QSize(600, 450));
    expectLaidOutAt600By450();

    // At the restored size the text box reaches the corner.
    resizeClient(QSize(475, 435));
    EXPECT_EQ(window->txtDescription()->geometry(), QRect(140, 50, 335, 385));

    resizeClient(QSize(8, 30));
    EXPECT_EQ(window->txtDescription()->size(), QSize(0, 0));
    EXPECT_EQ(window->lblMargin()->height(), 0);
    EXPECT_EQ(window->lstContents()->geometry(), QRect(0, 25, 2, 5));
    // Still usable from the keyboard while squeezed.
    QTest::keyClick(window->lstContents(), Qt::Key_Down);
    EXPECT_EQ(window->lblHeading()->text(), u"2. Playing the Game"_s);

    resizeClient(QSize(600, 450));
    expectLaidOutAt600By450();
    EXPECT_EQ(description(), shown(HelpTopics::text(1)));
}

TEST_F(TopicsWindowTest, titlesFitTheirColumnCondensedOnlyWhereTheyMust)
{
    QListWidget *list = window->lstContents();
    const auto widestTitle = [list] {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(
                widest, QFontMetrics(list->font()).horizontalAdvance(list->item(i)->text()));
        return widest;
    };
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_LE(widestTitle(), list->viewport()->width());
    EXPECT_GE(list->font().stretch(), frmTopics::MinimumTitleStretch);
    EXPECT_DOUBLE_EQ(list->font().pointSizeF(), 7.8);

    resizeClient(QSize(1280, 900));
    EXPECT_EQ(list->font().stretch(), 100);
    EXPECT_LE(widestTitle(), list->viewport()->width());

    // Squeezed past any fit, the titles stay readable and are cut at the edge instead.
    resizeClient(QSize(200, 400));
    EXPECT_EQ(list->font().stretch(), frmTopics::MinimumTitleStretch);
}

TEST_F(TopicsWindowTest, closingByTheMenuPlaysTheLaserOnceAndDiscardsTheWindow)
{
    window->mnuClose()->trigger();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(player.played, QStringList{dir.path() + u"/Laser.wav"_s});
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(TopicsWindowTest, theAccessKeyAndTheCloseBoxCloseWithTheSameSound)
{
    QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] {
        settle();
        return window.isNull();
    }));
    EXPECT_EQ(player.played.size(), 1);

    window = open();
    // The close box asks the window to close, as close() does; asked twice, it sounds once.
    window->close();
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(player.played, QStringList(2, dir.path() + u"/Laser.wav"_s));
}

TEST_F(TopicsWindowTest, closingIsSilentWithSoundsOffOrNoCard)
{
    state.blnSoundOff = true;
    window->close();
    settle();
    state.blnSoundOff = false;
    state.blnSoundCard = false;
    window = open();
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(player.played.isEmpty());
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(TopicsWindowTest, deletingTheWindowAtProgramEndPlaysNothing)
{
    delete window;
    EXPECT_TRUE(player.played.isEmpty());
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(TopicsWindowTest, aFreshWindowStartsOverOnTheFirstTopic)
{
    QTest::keyClick(window->lstContents(), Qt::Key_End);
    window->close();
    settle();
    state.strTopicText[0] = u"tampered"_s;

    window = open();
    EXPECT_EQ(window->lstContents()->count(), 8);
    EXPECT_EQ(window->lstContents()->currentRow(), 0);
    EXPECT_EQ(window->lblHeading()->text(), u"1. Opening Title Screen"_s);
    EXPECT_EQ(description(), shown(HelpTopics::text(0)));
    EXPECT_EQ(state.strTopicText[0], HelpTopics::text(0));
}
