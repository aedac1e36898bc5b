#include "app/LetterButton.h"
#include "support/ProgramFixture.h"
#include "ui/PictureBox.h"
#include "ui/Pictures.h"
#include "wordlists/Preferences.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Label = GameView::Label;
using Answer = MessageBoxes::Answer;

namespace {

constexpr QRgb Peach = 0xFFFFE0C0;
constexpr QRgb Silver = 0xFFC0C0C0;

class MainWindowTest : public ProgramFixture
{
protected:
    MainWindowTest() { player.hasCard = false; }

    // Starts the program on a list of the given words and shows the window at its restored size.
    void startWith(const QByteArray &listFile)
    {
        dir.write(u"wordrow.wdr"_s, listFile);
        window->start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void guess(QChar c)
    {
        const int index = c == u'\'' ? 26 : c == u'-' ? 27 : c.unicode() - u'A';
        click(window->letterButton(index));
    }
    int visiblePicture() const
    {
        for (int i = 0; i < 9; ++i) {
            if (window->gallowsPicture(i)->isVisible())
                return i;
        }
        return -1;
    }
    // A pixel between the border and the character.
    static QRgb faceColor(QPushButton *button)
    {
        const QImage face = button->grab().toImage();
        return face.pixel(2, face.height() / 2);
    }
};

} // namespace

TEST_F(MainWindowTest, opensWithItsControlsInTheirFirstStateAndTheListNamed)
{
    startWith("\"CAT\"\r\n");

    const QString list = dir.filePath(u"wordrow.wdr"_s);
    EXPECT_EQ(window->windowTitle(), u"Wordrow - by Quilbyte:  "_s + list);
    EXPECT_EQ(window->menuCaptions().currentList()->text(), u"(Currently: "_s + list + u')');
    EXPECT_EQ(window->innerArea()->size(), QSize(634, 354));
    EXPECT_EQ(window->innerArea()->palette().color(QPalette::Window), QColor(224, 224, 224));

    EXPECT_TRUE(window->label(Label::Prompt)->isVisible());
    EXPECT_EQ(window->label(Label::Prompt)->text(), u"Click here to start:  "_s);
    EXPECT_TRUE(window->label(Label::Remark)->isVisible());
    EXPECT_TRUE(window->label(Label::Remark)->text().isEmpty());
    EXPECT_FALSE(window->label(Label::Spelling)->isVisible());
    EXPECT_FALSE(window->label(Label::LettersHeading)->isVisible());
    EXPECT_EQ(slots(), QString());
    EXPECT_EQ(visiblePicture(), 0);
    EXPECT_EQ(window->gallowsPicture(0)->accessibleName(), window->gallowsPicture(0)->toolTip());

    EXPECT_TRUE(window->findChild<QPushButton *>(u"cmdStart"_s)->isDefault());
    EXPECT_EQ(window->findChild<QPushButton *>(u"cmdStart"_s)->text(), u"&New Word"_s);
    for (int i = 0; i < 28; ++i) {
        QPushButton *letter = window->letterButton(i);
        EXPECT_FALSE(letter->isEnabled()) << i;
        EXPECT_EQ(
            letter->toolTip(), u"Click one of these buttons to choose a letter for the word."_s);
        EXPECT_EQ(letter->accessibleName(), window->round().letters().at(i));
        // Disabled, yet peach: the colour does not fade with the state.
        EXPECT_EQ(faceColor(letter), Peach) << i;
    }
    EXPECT_EQ(window->letterButton(26)->text(), u"'"_s);
    EXPECT_EQ(window->letterButton(27)->text(), u"-"_s);
}

TEST_F(MainWindowTest, laysOutTheRestoredWindowInPixelsOfFifteenTwips)
{
    startWith("\"CAT\"\r\n");
    // 634 x 354 pixels are 9510 x 5310 twips.
    EXPECT_EQ(window->letterButton(0)->geometry(), QRect(0, 312, 23, 17));
    EXPECT_EQ(window->letterButton(1)->x(), 23);
    EXPECT_EQ(window->letterButton(27)->geometry().right(), 633);
    EXPECT_EQ(window->findChild<QPushButton *>(u"cmdStart"_s)->geometry(), QRect(547, 259, 68, 25));
    EXPECT_EQ(window->slot(0)->geometry(), QRect(27, 259, 35, 35));
    EXPECT_EQ(window->slot(1)->x(), 65);
    EXPECT_EQ(window->gallowsPicture(0)->geometry(), QRect(221, 25, 192, 233));
    EXPECT_EQ(window->label(Label::Prompt)->pos(), QPoint(547, 159));
    // "From these letters" is centred, and wide enough for its text in any font.
    QLabel *heading = window->label(Label::LettersHeading);
    EXPECT_EQ(heading->y(), 331);
    EXPECT_NEAR(heading->geometry().center().x(), 317, 1);
    EXPECT_GE(heading->width(), heading->sizeHint().width());
    EXPECT_GE(heading->width(), 89);
    EXPECT_EQ(window->label(Label::Spelling)->pos(), QPoint(26, 242));
}

TEST_F(MainWindowTest, followsEverySizeChangeAndSurvivesTinyOnes)
{
    startWith("\"CAT\"\r\n");
    window->resize(150, 200);
    QCoreApplication::processEvents();
    const QRect narrowPicture = window->gallowsPicture(0)->geometry();
    EXPECT_LT(narrowPicture.left(), 0);
    EXPECT_NEAR(narrowPicture.center().x(), window->innerArea()->width() / 2, 1);

    window->resize(1, 1);
    QCoreApplication::processEvents();
    window->showMinimized();
    QCoreApplication::processEvents();
    window->showNormal();
    window->resize(1280, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(
        window->findChild<QPushButton *>(u"cmdStart"_s)->x(), window->innerArea()->width() - 87);
}

TEST_F(MainWindowTest, playsAWholeWinAndAWholeLossThroughTheWindow)
{
    startWith("\"CAT\"\r\n");
    click(window->findChild<QPushButton *>(u"cmdStart"_s));
    EXPECT_EQ(slots(), u"___"_s);
    EXPECT_FALSE(window->label(Label::Prompt)->isVisible());
    EXPECT_TRUE(window->label(Label::Spelling)->isVisible());
    EXPECT_TRUE(window->letterButton(0)->isEnabled());

    guess(u'C');
    EXPECT_EQ(slots(), u"C__"_s);
    EXPECT_EQ(faceColor(window->letterButton(2)), Silver);
    EXPECT_FALSE(window->letterButton(2)->isEnabled());
    EXPECT_FALSE(window->label(Label::Remark)->text().isEmpty());
    EXPECT_EQ(window->slot(0)->accessibleName(), u"Letter 1: C"_s);
    guess(u'X');
    EXPECT_EQ(visiblePicture(), 1);
    guess(u'A');
    guess(u'T');
    EXPECT_EQ(slots(), u"CAT"_s);
    EXPECT_EQ(visiblePicture(), 8);
    EXPECT_EQ(window->label(Label::Spelling)->text(), u"You spelled this word:"_s);
    EXPECT_EQ(player.beeps, 1);
    for (int i = 0; i < 28; ++i)
        EXPECT_FALSE(window->letterButton(i)->isEnabled()) << i;

    click(window->findChild<QPushButton *>(u"cmdStart"_s));
    EXPECT_EQ(slots(), u"___"_s);
    EXPECT_EQ(visiblePicture(), 0);
    for (const QChar c : u"BDEFGH"_s)
        guess(c);
    EXPECT_EQ(visiblePicture(), 7);
    EXPECT_EQ(window->label(Label::Spelling)->text(), u"The word was CAT"_s);
    EXPECT_EQ(player.beeps, 2);
    // After a loss the used letters stay silver and the others peach, all disabled.
    EXPECT_EQ(faceColor(window->letterButton(1)), Silver);
    EXPECT_EQ(faceColor(window->letterButton(0)), Peach);
    EXPECT_FALSE(window->letterButton(0)->isEnabled());
}

TEST_F(MainWindowTest, drawsTheButtonOverTheSlotsItReachesAndTheRemarkOverThePicture)
{
    startWith("\"ABCDEFGHIJKLMNO\"\r\n");
    click(window->findChild<QPushButton *>(u"cmdStart"_s));
    guess(u'Q');

    QWidget *inner = window->innerArea();
    const QRect overlap = window->slot(13)->geometry()
        & window->findChild<QPushButton *>(u"cmdStart"_s)->geometry();
    ASSERT_FALSE(overlap.isEmpty());
    EXPECT_EQ(inner->childAt(overlap.center()), window->findChild<QPushButton *>(u"cmdStart"_s));

    QLabel *remark = window->label(Label::Remark);
    const QRect onPicture = remark->geometry() & window->gallowsPicture(1)->geometry();
    ASSERT_FALSE(onPicture.isEmpty());
    EXPECT_EQ(inner->childAt(onPicture.center()), remark);
}

TEST_F(MainWindowTest, enterStartsAWordAnywhereButAltWithALetterGuessesNothing)
{
    startWith("\"CAT\"\r\n");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(window->round().word(), u"CAT"_s);
    window->letterButton(0)->setFocus();
    QTest::keyClick(window->letterButton(0), Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(slots(), u"___"_s);
    EXPECT_EQ(window->round().misses(), 0);

    // Space on a focused button guesses, so the game can be played from the keyboard alone.
    QTest::keyClick(window->letterButton(0), Qt::Key_Space);
    EXPECT_EQ(slots(), u"_A_"_s);
    QTest::keyClick(window->letterButton(0), Qt::Key_Enter);
    EXPECT_EQ(slots(), u"___"_s);
}

TEST_F(MainWindowTest, answeringNoToTheQuitQuestionKeepsTheRound)
{
    startWith("\"CAT\"\r\n");
    click(window->findChild<QPushButton *>(u"cmdStart"_s));
    guess(u'A');

    messages.answers = {Answer::No};
    window->findChild<QAction *>(u"mnuFileExit"_s)->trigger();
    EXPECT_TRUE(window->isVisible());
    messages.answers = {Answer::No};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(slots(), u"_A_"_s);
    EXPECT_EQ(window->round().word(), u"CAT"_s);

    messages.answers = {Answer::Yes};
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, loadingAListMidRoundKeepsTheWordOnScreen)
{
    startWith("\"CAT\"\r\n");
    click(window->findChild<QPushButton *>(u"cmdStart"_s));
    guess(u'C');

    const QString other = dir.write(u"week & more.wdr"_s, "\"DOG\"\r\n");
    dialogs.choices = {other};
    window->menuCaptions().currentList()->trigger();

    EXPECT_EQ(slots(), u"C__"_s);
    EXPECT_EQ(window->round().word(), u"CAT"_s);
    EXPECT_EQ(window->windowTitle(), u"Wordrow - by Quilbyte:  "_s + other);
    // The '&' of the name is shown, not taken as an access key.
    EXPECT_EQ(window->menuCaptions().currentList()->text(),
        u"(Currently: "_s + QString(other).replace(u"&"_s, u"&&"_s) + u')');
    guess(u'A');
    guess(u'T');
    click(window->findChild<QPushButton *>(u"cmdStart"_s));
    EXPECT_EQ(window->round().word(), u"DOG"_s);
}

TEST_F(MainWindowTest, offersTheFileAndHelpMenusInTheirOrder)
{
    startWith("\"CAT\"\r\n");
    QStringList entries;
    const std::function<void(QMenu *, const QString &)> walk
        = [&](QMenu *menu, const QString &indent) {
              for (QAction *action : menu->actions()) {
                  if (action->isSeparator()) {
                      entries.append(indent + u'-');
                      continue;
                  }
                  QString entry = indent + action->text();
                  if (!action->shortcut().isEmpty())
                      entry += u" ["_s + action->shortcut().toString() + u']';
                  if (action->isChecked())
                      entry += u" checked"_s;
                  if (!action->isEnabled())
                      entry += u" disabled"_s;
                  entries.append(entry);
                  if (action->menu())
                      walk(action->menu(), indent + u"  "_s);
              }
          };
    for (QAction *top : window->menuBar()->actions()) {
        entries.append(top->text());
        walk(top->menu(), u"  "_s);
    }

    const QString list = dir.filePath(u"wordrow.wdr"_s);
    EXPECT_EQ(entries,
        (QStringList{
            u"&File"_s,
            u"  Make &New Wordlist [Ctrl+M]"_s,
            u"  -"_s,
            u"  &Load Another List... [Ctrl+L]"_s,
            u"  (Currently: "_s + list + u')',
            u"  -"_s,
            u"  Set &Startup Wordlist..."_s,
            u"  (Currently: "_s + list + u')',
            u"  -"_s,
            u"  &Delete..."_s,
            u"  -"_s,
            u"  &Options"_s,
            u"    Show Startup Screen checked disabled"_s,
            u"    Hide Startup Screen"_s,
            u"    -"_s,
            u"    &Turn Off Sounds"_s,
            u"  -"_s,
            u"  E&xit... [Ctrl+X]"_s,
            u"&Practice"_s,
            u"  Say the Word &Again [Ctrl+R] disabled"_s,
            u"  -"_s,
            u"  Say the Word When a Round &Ends checked"_s,
            u"  Say Each &New Word"_s,
            u"  &Voice..."_s,
            u"  Show the Word in a &Sentence [Ctrl+I] disabled"_s,
            u"  -"_s,
            u"  Pla&yer: Player... disabled"_s,
            u"  &Progress [Ctrl+P] disabled"_s,
            u"  &Spelling Test... [Ctrl+E] disabled"_s,
            u"  Practise &Trouble Words disabled"_s,
            u"  -"_s,
            u"  &Class Record..."_s,
            u"  -"_s,
            u"  P&ictures"_s,
            u"    &Gallows checked"_s,
            u"    &Snowman"_s,
            u"    Set for Every User of This Computer disabled"_s,
            u"&Help"_s,
            u"  &Topics [Ctrl+T]"_s,
            u"  &Instruction Manual [Ctrl+H]"_s,
            u"  -"_s,
            u"  &About Wordrow"_s,
        }));

    window->menuCaptions().sounds()->trigger();
    EXPECT_EQ(window->menuCaptions().sounds()->text(), u"&Turn On Sounds"_s);
    window->menuCaptions().hideTitleScreen()->trigger();
    EXPECT_TRUE(window->menuCaptions().hideTitleScreen()->isChecked());
    EXPECT_FALSE(window->menuCaptions().hideTitleScreen()->isEnabled());
    EXPECT_TRUE(window->menuCaptions().showTitleScreen()->isEnabled());
    EXPECT_TRUE(state.hideTitleScreen);
}

TEST_F(MainWindowTest, showsWordsFromAListAsPlainTextNeverAsMarkup)
{
    startWith("\"<B>X</B>\"\r\n");
    click(window->findChild<QPushButton *>(u"cmdStart"_s));
    for (const QChar c : u"QRSTUV"_s)
        guess(c);
    QLabel *spell = window->label(Label::Spelling);
    EXPECT_EQ(spell->textFormat(), Qt::PlainText);
    EXPECT_EQ(spell->text(), u"The word was <B>X</B>"_s);
    EXPECT_TRUE(window->slot(0)->toolTip().contains(u"&lt;B&gt;"_s));
}

TEST_F(MainWindowTest, winsAHandMadeLowerCaseWordAndShowsItsSpaceAsAGap)
{
    startWith("\"CAT\"\r\n");
    dialogs.choices = {dir.write(u"week.wdr"_s, "ice cream\r\n")};
    window->findChild<QAction *>(u"mnuFileOpen"_s)->trigger();
    click(window->findChild<QPushButton *>(u"cmdStart"_s));
    ASSERT_EQ(window->round().word(), u"ice cream"_s);

    EXPECT_EQ(slots(), u"___ _____"_s);
    QLabel *space = window->slot(3);
    EXPECT_EQ(space->accessibleName(), u"Letter 4: space"_s);
    EXPECT_EQ(window->slot(0)->accessibleName(), u"Letter 1"_s);
    // The gap shows the window behind it; a slot still to find has a face of its own.
    const QImage row = window->innerArea()->grab().toImage();
    const QString background = u"#e0e0e0"_s;
    EXPECT_EQ(QColor(row.pixel(space->geometry().center())).name(), background);
    EXPECT_NE(
        QColor(row.pixel(window->slot(2)->geometry().topLeft() + QPoint(2, 2))).name(), background);

    for (const QChar c : u"ICERAM"_s)
        guess(c);
    EXPECT_EQ(slots(), u"ICE CREAM"_s);
    EXPECT_EQ(window->slot(0)->accessibleName(), u"Letter 1: I"_s);
    EXPECT_EQ(visiblePicture(), 8);
    EXPECT_EQ(window->round().misses(), 0);
    EXPECT_EQ(window->label(Label::Spelling)->text(), u"You spelled this word:"_s);
    EXPECT_EQ(space->toolTip(), u"That's right!  The word was ICE CREAM."_s);
    EXPECT_EQ(player.beeps, 1);

    // The next word's slot in that place is a plain slot again.
    dialogs.choices = {dir.write(u"other.wdr"_s, "\"DOGHOUSE\"\r\n")};
    window->findChild<QAction *>(u"mnuFileOpen"_s)->trigger();
    click(window->findChild<QPushButton *>(u"cmdStart"_s));
    EXPECT_EQ(window->slot(3)->accessibleName(), u"Letter 4"_s);
    const QImage next = window->innerArea()->grab().toImage();
    EXPECT_NE(QColor(next.pixel(space->geometry().center())).name(), background);
}

// Pictures chosen in the Practice menu take over at once, with what a screen reader hears of them;
// a computer's locked set greys the items out, saying why.
TEST_F(MainWindowTest, picturesChosenFromThePracticeMenuBringTheirOwnTipsAndNames)
{
    startWith("\"CAT\"\r\n");
    window->findChild<QAction *>(u"mnuPicturesSnowman"_s)->trigger();
    for (int i = 0; i < 9; ++i) {
        PictureBox *picture = window->gallowsPicture(i);
        EXPECT_EQ(picture->resource(), Pictures::round(PictureSet::Set::Snowman, i));
        const QString heard
            = QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name);
        EXPECT_EQ(heard, i == 6 ? u"Snowman"_s : picture->toolTip()) << i;
    }
    EXPECT_EQ(window->gallowsPicture(8)->toolTip(), u"You did it!  You saved me from the sun."_s);
    EXPECT_TRUE(Preferences(dir.path()).pictureSet() == PictureSet::Set::Snowman);

    TempDir system;
    const QString locked = system.write(u"wordrow.ini"_s, "[pictures]\nlocked=true\n");
    PictureCommands commands(state, locked);
    commands.start();
    EXPECT_EQ(state.pictures, PictureSet::Set::Gallows);
    EXPECT_FALSE(commands.action(PictureSet::Set::Snowman)->isEnabled());
    EXPECT_TRUE(commands.action(PictureSet::Set::Snowman)->toolTip().contains(locked));
    EXPECT_TRUE(commands.actions().last()->isVisible());
}

// A greyed-out item's reason is its tooltip; a screen reader reads it as the description.
TEST_F(MainWindowTest, aGreyedOutItemGivesItsReasonToAScreenReaderToo)
{
    startWith("\"CAT\"\r\n");
    speaker.becomeUnavailable(u"No speech engine here."_s);
    auto *practice = window->menuBar()->findChild<QMenu *>(u"mnuPractice"_s);
    ASSERT_NE(practice, nullptr);
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(practice);
    QStringList items;
    for (int i = 0; i < menu->childCount(); ++i) {
        const QAccessibleInterface *item = menu->child(i);
        if (item->role() == QAccessible::MenuItem)
            items.append(
                item->text(QAccessible::Name) + u": "_s + item->text(QAccessible::Description));
    }
    EXPECT_TRUE(items.contains(u"Say the Word Again: No speech engine here."_s))
        << items.join(u'\n').toStdString();
    EXPECT_TRUE(items.contains(u"Class Record...: "_s)) << "no reason, no description";
}
