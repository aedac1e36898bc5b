#include "windows/AboutDialog.h"
#include "core/GameState.h"
#include "platform/Services.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeFileSystem.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeSpeaker.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"
#include "ui/PictureBox.h"
#include "windows/AboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QStringList TextLines = {u"Wordrow"_s, u"Ver. 1.1"_s, u"by"_s, u"Quilbyte"_s, u"Games"_s,
    QString(), u"2026"_s, QString(), u"All rights"_s, u"reserved."_s};

class AboutDialogTest : public ::testing::Test
{
protected:
    AboutDialogTest()
    {
        state.homeDir = dir.path();
        state.soundCardFound = true;
    }
    ~AboutDialogTest() override
    {
        delete box.data();
        settle();
    }

    AboutDialog *open()
    {
        box = new AboutDialog(state, Services{messages, dialogs, files, player, random, speaker});
        box->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(box.data()));
        AboutDialog *shown = box.data();
        EXPECT_TRUE(QTest::qWaitFor([shown] { return QApplication::activeWindow() == shown; }));
        return shown;
    }
    // Another window of the program, such as the game's main window.
    QWidget *openOther()
    {
        other = std::make_unique<QWidget>();
        other->resize(200, 100);
        other->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(other.get()));
        return other.get();
    }
    // Through the window, so that the click lands on whatever control is at that point.
    void clickAt(QPoint point)
    {
        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {}, point);
    }
    static QPoint centreOf(const QWidget *control) { return control->geometry().center(); }
    // Lets a closed box be deleted.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    bool closedAndGone()
    {
        return QTest::qWaitFor([this] {
            settle();
            return box.isNull();
        });
    }
    QString closingSound() const { return dir.filePath(u"sound560.wav"_s); }

    TempDir dir;
    GameState state;
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    FakeFileSystem files{QString()};
    RecordingSoundPlayer player;
    ScriptedRandom random;
    FakeSpeaker speaker;
    std::unique_ptr<QWidget> other;
    QPointer<AboutDialog> box;
};

} // namespace

TEST_F(AboutDialogTest, opensBorderlessCentredWithEveryControlAtItsPlace)
{
    AboutDialog *about = open();
    EXPECT_EQ(about->windowTitle(), u"About Wordrow"_s);
    EXPECT_EQ(about->windowType(), Qt::Tool);
    EXPECT_TRUE(about->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_TRUE(about->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(about->size(), QSize(257, 181));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    const QPoint screenCentre = about->screen()->availableGeometry().center();
    EXPECT_LE((about->frameGeometry().center() - screenCentre).manhattanLength(), 1);
    EXPECT_EQ(about->palette().color(QPalette::Window), QColor(255, 255, 192));

    // Twips at 15 to the pixel.
    EXPECT_EQ(about->findChild<QPlainTextEdit *>(u"Text1"_s)->geometry(), QRect(73, 16, 105, 137));
    EXPECT_EQ(about->findChild<PictureBox *>(u"imgBearL"_s)->geometry(), QRect(24, 24, 36, 36));
    EXPECT_EQ(about->findChild<PictureBox *>(u"imgBearR"_s)->geometry(), QRect(208, 24, 36, 36));
    EXPECT_EQ(about->findChild<QPushButton *>(u"cmdOK"_s)->geometry(), QRect(192, 144, 49, 25));

    for (PictureBox *bear : {about->findChild<PictureBox *>(u"imgBearL"_s),
             about->findChild<PictureBox *>(u"imgBearR"_s)}) {
        EXPECT_TRUE(bear->isHidden());
        EXPECT_EQ(bear->resource(), u":/bear.svg"_s);
        EXPECT_EQ(bear->palette().color(QPalette::Window), QColor(255, 255, 192));
    }
    for (QLabel *words : {about->findChild<QLabel *>(u"lblCommentL"_s),
             about->findChild<QLabel *>(u"lblCommentR"_s)}) {
        EXPECT_TRUE(words->isHidden());
        EXPECT_EQ(words->text(), u"That Tickles"_s);
        EXPECT_EQ(words->textFormat(), Qt::PlainText);
        EXPECT_EQ(words->palette().color(QPalette::WindowText), QColor(192, 64, 0));
        EXPECT_TRUE(words->font().italic() && words->font().bold());
        EXPECT_DOUBLE_EQ(words->font().pointSizeF(), 7.8);
        EXPECT_EQ(words->size(), words->sizeHint());
    }
    EXPECT_TRUE(about->findChild<QLabel *>(u"lblCommentL"_s)->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(about->findChild<QLabel *>(u"lblCommentR"_s)->alignment() & Qt::AlignLeft);

    EXPECT_EQ(about->findChild<QPushButton *>(u"cmdOK"_s)->text(), u"OK"_s);
    EXPECT_TRUE(about->findChild<QPushButton *>(u"cmdOK"_s)->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), about->findChild<QPushButton *>(u"cmdOK"_s));
}

TEST_F(AboutDialogTest, showsItsTenLinesWholeReadableAndOutOfReach)
{
    EXPECT_EQ(AboutBox::aboutText(), TextLines.join(u'\n') + u'\n');

    AboutDialog *about = open();
    QPlainTextEdit *text = about->findChild<QPlainTextEdit *>(u"Text1"_s);
    EXPECT_EQ(text->toPlainText(), TextLines.join(u'\n'));
    EXPECT_TRUE(text->font().bold());
    EXPECT_DOUBLE_EQ(text->font().pointSizeF(), 7.8);
    EXPECT_EQ(text->document()->defaultTextOption().alignment(), Qt::AlignHCenter);

    // Every line fits the box: the last one ends inside it and none is wider than it.
    QTextCursor end(text->document());
    end.movePosition(QTextCursor::End);
    EXPECT_LE(text->cursorRect(end).bottom(), text->viewport()->height());
    const QFontMetrics metrics(text->font());
    for (const QString &line : TextLines)
        EXPECT_LE(metrics.horizontalAdvance(line), text->viewport()->width()) << line.toStdString();

    // Neither focus nor typing, yet not greyed out.
    EXPECT_EQ(text->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->isEnabled());
    QTest::keyClick(about->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), about->findChild<QPushButton *>(u"cmdOK"_s));
}

TEST_F(AboutDialogTest, backgroundClicksAndClicksOnTheTextBringOutTheBears)
{
    AboutDialog *about = open();
    // A right click is no click.
    QTest::mouseClick(about->windowHandle(), Qt::RightButton, {}, QPoint(10, 170));
    EXPECT_TRUE(about->findChild<PictureBox *>(u"imgBearL"_s)->isHidden());

    clickAt(QPoint(10, 170));
    EXPECT_TRUE(about->findChild<PictureBox *>(u"imgBearL"_s)->isVisible());
    EXPECT_FALSE(about->findChild<PictureBox *>(u"imgBearR"_s)->isVisible());
    clickAt(centreOf(about->findChild<QPlainTextEdit *>(u"Text1"_s)));
    EXPECT_TRUE(about->findChild<PictureBox *>(u"imgBearR"_s)->isVisible());
    EXPECT_EQ(random.draws, 0);
}

TEST_F(AboutDialogTest, aClickedBearSpeaksJustAboveItselfOrJumps)
{
    AboutDialog *about = open();
    clickAt(QPoint(10, 170));
    QLabel *words = about->findChild<QLabel *>(u"lblCommentL"_s);
    PictureBox *bear = about->findChild<PictureBox *>(u"imgBearL"_s);

    for (const QString &expected : {u"That tickles"_s, u"Stop that"_s}) {
        random.script({0.9});
        clickAt(centreOf(bear));
        ASSERT_TRUE(words->isVisible());
        EXPECT_EQ(words->text(), expected);
        EXPECT_EQ(words->size(), words->sizeHint());
        EXPECT_LE(std::abs(words->geometry().center().x() - bear->geometry().center().x()), 1);
        // 50 twips, three or four pixels, between the words and the bear.
        EXPECT_GE(bear->y() - (words->y() + words->height()), 3);
        EXPECT_LE(bear->y() - (words->y() + words->height()), 4);
    }
    // The words are not the background: a click on them brings out no second bear.
    clickAt(centreOf(words));
    EXPECT_TRUE(about->findChild<PictureBox *>(u"imgBearR"_s)->isHidden());

    // floor(1280 * 0.5 + 360) = 1000 twips, 67 pixels.
    random.script({0.1, 0.5});
    clickAt(centreOf(bear));
    EXPECT_EQ(bear->pos(), QPoint(24, 67));
    EXPECT_TRUE(words->isHidden());

    // The right bear's words stay whole inside the box.
    clickAt(QPoint(10, 170));
    random.script({0.9});
    clickAt(centreOf(about->findChild<PictureBox *>(u"imgBearR"_s)));
    ASSERT_TRUE(about->findChild<QLabel *>(u"lblCommentR"_s)->isVisible());
    EXPECT_LE(about->findChild<QLabel *>(u"lblCommentR"_s)->geometry().right(), about->width() - 1);
    EXPECT_TRUE(random.exhausted());
}

TEST_F(AboutDialogTest, okEnterAndEscapeEachCloseItWithOneSound)
{
    QWidget *game = openOther();
    const auto closesBy
        = [this, game](const char *way, const std::function<void(AboutDialog *)> &act) {
              player.played.clear();
              AboutDialog *about = open();
              act(about);
              // The game taking the focus back, before the closed box is gone, is no second
              // closing.
              Q_EMIT qApp->focusWindowChanged(game->windowHandle());
              EXPECT_TRUE(closedAndGone()) << way;
              EXPECT_EQ(player.played, QStringList{closingSound()}) << way;
          };
    closesBy("OK", [](AboutDialog *about) {
        QTest::mouseClick(about->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    });
    closesBy("Enter",
        [](AboutDialog *about) { QTest::keyClick(about->windowHandle(), Qt::Key_Return); });
    closesBy("Escape",
        [](AboutDialog *about) { QTest::keyClick(about->windowHandle(), Qt::Key_Escape); });
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(AboutDialogTest, onlyAnotherWindowOfTheProgramTakingTheFocusClosesIt)
{
    QWidget *game = openOther();
    box = new AboutDialog(state, Services{messages, dialogs, files, player, random, speaker});
    // The menu that opened the box handing the focus back to the game, before the box has it.
    Q_EMIT qApp->focusWindowChanged(game->windowHandle());
    settle();
    ASSERT_FALSE(box.isNull());
    box->show();
    AboutDialog *about = box.data();
    ASSERT_TRUE(QTest::qWaitFor([about] { return QApplication::activeWindow() == about; }));

    // Another application taking the focus looks like this from inside: no window of ours has it.
    Q_EMIT qApp->focusWindowChanged(nullptr);
    settle();
    ASSERT_FALSE(box.isNull());
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(player.played.isEmpty());

    game->activateWindow();
    EXPECT_TRUE(closedAndGone());
    EXPECT_EQ(player.played, QStringList{closingSound()});
}

TEST_F(AboutDialogTest, closingIsSilentWithSoundsOffOrNoCardAndDeletingIsSilentAlways)
{
    state.soundsOff = true;
    QTest::mouseClick(open()->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    EXPECT_TRUE(closedAndGone());

    state.soundsOff = false;
    state.soundCardFound = false;
    QTest::keyClick(open()->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(closedAndGone());
    EXPECT_TRUE(player.played.isEmpty());
    EXPECT_EQ(player.beeps, 0);

    // The game ending deletes an open box without its closing steps.
    state.soundCardFound = true;
    QWidget *game = openOther();
    delete open();
    game->activateWindow();
    QTest::qWait(20);
    EXPECT_TRUE(player.played.isEmpty());
}
