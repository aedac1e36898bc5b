#include "Form1.h"
#include "LetterButton.h"
#include "Module1.h"
#include "ProgramFixture.h"
#include "frmNewWords.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;
using Answer = MessageBoxes::Answer;

namespace {

class NewWordsWindowTest : public ProgramFixture
{
protected:
    NewWordsWindowTest() { startGame("\"OLD\"\r\n\"LIST\"\r\n"); }

    // Through the File menu's "Make New Wordlist", as Ctrl+M does.
    frmNewWords *open()
    {
        const QList<QAction *> actions = window->findChildren<QAction *>();
        const auto item = std::find_if(actions.cbegin(), actions.cend(),
            [](QAction *action) { return action->text() == u"Make &New Wordlist"_s; });
        if (item == actions.cend()) {
            ADD_FAILURE() << "no Make New Wordlist item";
            return nullptr;
        }
        EXPECT_EQ((*item)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        (*item)->trigger();
        frmNewWords *editor = window->newWordsWindow();
        EXPECT_TRUE(editor && becomesActive(editor));
        return editor;
    }
    void type(frmNewWords *editor, const QString &text)
    {
        QTest::keyClicks(editor->txtWord(), text);
        QTest::keyClick(editor->txtWord(), Qt::Key_Return);
    }
    void typeFour(frmNewWords *editor)
    {
        for (const QString &word : {u"cat"_s, u"dog"_s, u"emu"_s, u"fox"_s})
            type(editor, word);
    }
    static QStringList shownEntries(frmNewWords *editor)
    {
        QStringList entries;
        for (int i = 0; i < editor->lstWords()->count(); ++i)
            entries.append(editor->lstWords()->item(i)->text());
        return entries;
    }
};

} // namespace

TEST_F(NewWordsWindowTest, opensFreshWithEveryControlAtItsPlace)
{
    frmNewWords *editor = open();
    EXPECT_EQ(editor->windowTitle(), u"Make New Word List"_s);
    EXPECT_EQ(editor->size(), QSize(448, 154));
    EXPECT_EQ(editor->minimumSize(), editor->maximumSize());
    EXPECT_FALSE(editor->isModal());
    EXPECT_FALSE(
        editor->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(editor->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(editor->parentWidget(), window.get());
    EXPECT_EQ(editor->palette().color(QPalette::Window), QColor(128, 128, 128));

    // Twips at 15 to the pixel; children of a frame sit relative to it.
    EXPECT_EQ(editor->txtWord()->geometry(), QRect(8, 40, 129, 23));
    EXPECT_EQ(editor->lstWords()->geometry(), QRect(168, 40, 185, 99));
    EXPECT_EQ(editor->cmdEnter()->geometry(), QRect(368, 16, 65, 25));
    EXPECT_EQ(editor->cmdExit()->geometry(), QRect(368, 112, 65, 25));
    EXPECT_EQ(editor->frmNewSave()->geometry(), QRect(88, 64, 73, 73));
    EXPECT_EQ(editor->frmNewLoad()->geometry(), QRect(8, 64, 73, 73));
    EXPECT_EQ(editor->optDefaultNo()->pos(), QPoint(16, 56));
    EXPECT_EQ(editor->optNewYes()->parentWidget(), editor->frmNewLoad());
    EXPECT_EQ(editor->lblEnterWord()->pos(), QPoint(8, 24));

    EXPECT_EQ(editor->lblEnterWord()->palette().color(QPalette::WindowText), QColor(255, 224, 192));
    EXPECT_EQ(editor->optNewNo()->palette().color(QPalette::WindowText), QColor(255, 224, 192));
    EXPECT_TRUE(editor->lblList()->font().bold());
    EXPECT_DOUBLE_EQ(editor->txtWord()->font().pointSizeF(), 9.6);

    EXPECT_TRUE(editor->cmdEnter()->isDefault());
    EXPECT_FALSE(editor->cmdDelete()->isEnabled());
    EXPECT_FALSE(editor->cmdSave()->isEnabled());
    EXPECT_TRUE(editor->optDefaultNo()->isChecked());
    EXPECT_TRUE(editor->optNewNo()->isChecked());
    EXPECT_EQ(editor->txtWord()->maxLength(), 15);
    EXPECT_EQ(QApplication::focusWidget(), editor->txtWord());
    EXPECT_EQ(editor->cmdSave()->toolTip(),
        u"Save the list you have typed in, so that you can use it again."_s);

    // A button whose caption the font breaks into lines keeps its access key.
    EXPECT_TRUE(editor->cmdDelete()->text().contains(u"&Remove"_s));
    EXPECT_EQ(editor->cmdDelete()->accessibleName(), u"Remove from List"_s);
}

TEST_F(NewWordsWindowTest, tabStepsThroughTheControlsInOrder)
{
    frmNewWords *editor = open();
    const QList<QWidget *> expected = {editor->txtWord(), editor->lstWords(), editor->cmdEnter(),
        editor->cmdDelete(), editor->cmdSave(), editor->cmdExit(), editor->optDefaultYes(),
        editor->optDefaultNo(), editor->optNewYes(), editor->optNewNo()};
    QList<QWidget *> chain;
    for (QWidget *w = editor->txtWord(); chain.size() < expected.size();
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.append(w);
    }
    EXPECT_EQ(chain, expected);
}

TEST_F(NewWordsWindowTest, typingAndEnterCollectWordsAndKeepTheFocusInTheBox)
{
    frmNewWords *editor = open();
    type(editor, u"cat"_s);
    EXPECT_EQ(shownEntries(editor), QStringList{u"CAT"_s});
    EXPECT_TRUE(editor->txtWord()->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), editor->txtWord());
    EXPECT_TRUE(editor->cmdDelete()->isEnabled());

    // Fifteen characters fit; the sixteenth is refused.
    QTest::keyClicks(editor->txtWord(), u"abcdefghijklmnop"_s);
    EXPECT_EQ(editor->txtWord()->text(), u"abcdefghijklmno"_s);

    // Enter in the list presses the default button too.
    editor->lstWords()->setFocus();
    QTest::keyClick(editor->lstWords(), Qt::Key_Return);
    EXPECT_EQ(shownEntries(editor), (QStringList{u"CAT"_s, u"ABCDEFGHIJKLMNO"_s}));
    EXPECT_EQ(QApplication::focusWidget(), editor->txtWord());

    type(editor, QString());
    EXPECT_EQ(editor->lstWords()->count(), 2);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(NewWordsWindowTest, aRefusedWordStaysSelectedSoTheNextKeyReplacesIt)
{
    frmNewWords *editor = open();
    type(editor, u"r2d2"_s);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, u"Reminder"_s);
    EXPECT_EQ(editor->txtWord()->selectedText(), u"r2d2"_s);
    EXPECT_EQ(QApplication::focusWidget(), editor->txtWord());
    QTest::keyClicks(editor->txtWord(), u"x"_s);
    EXPECT_EQ(editor->txtWord()->text(), u"x"_s);
}

TEST_F(NewWordsWindowTest, aClickedWordIsRemovedAndNothingStaysSelected)
{
    frmNewWords *editor = open();
    typeFour(editor);
    EXPECT_TRUE(editor->cmdSave()->isEnabled());
    QListWidget *list = editor->lstWords();
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QTest::mouseClick(editor->cmdDelete(), Qt::LeftButton);
    EXPECT_EQ(shownEntries(editor), (QStringList{u"CAT"_s, u"EMU"_s, u"FOX"_s}));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(editor->model().selection());
    EXPECT_FALSE(editor->cmdSave()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), editor->txtWord());

    QTest::mouseClick(editor->cmdDelete(), Qt::LeftButton);
    EXPECT_EQ(list->count(), 3);
}

TEST_F(NewWordsWindowTest, aChoiceIsRememberedAndTheFocusGoesBackToTheBox)
{
    frmNewWords *editor = open();
    QTest::mouseClick(editor->optNewYes(), Qt::LeftButton);
    EXPECT_TRUE(editor->model().loadNow());
    EXPECT_EQ(QApplication::focusWidget(), editor->txtWord());
    // An access key clicks a moment later, as a mouse click would look.
    QTest::keyClick(editor, Qt::Key_Y, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([editor] { return editor->optDefaultYes()->isChecked(); }));
    EXPECT_TRUE(editor->model().makeStartup());
    QTest::mouseClick(editor->optDefaultNo(), Qt::LeftButton);
    EXPECT_FALSE(editor->model().makeStartup());
}

TEST_F(NewWordsWindowTest, opensOnceAndComesBackUnchanged)
{
    frmNewWords *editor = open();
    type(editor, u"cat"_s);
    QTest::keyClicks(editor->txtWord(), u"do"_s);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    EXPECT_EQ(open(), editor);
    EXPECT_EQ(shownEntries(editor), QStringList{u"CAT"_s});
    EXPECT_EQ(editor->txtWord()->text(), u"do"_s);
    EXPECT_EQ(window->findChildren<frmNewWords *>().size(), 1);

    // Closed, it opens fresh.
    editor->close();
    settle();
    EXPECT_FALSE(window->newWordsWindow());
    frmNewWords *fresh = open();
    EXPECT_EQ(fresh->lstWords()->count(), 0);
    EXPECT_TRUE(fresh->txtWord()->text().isEmpty());
}

TEST_F(NewWordsWindowTest, everyWayOfClosingRunsTheClosingQuestion)
{
    frmNewWords *editor = open();
    typeFour(editor);
    messages.answers = {Answer::No, Answer::No};
    QTest::keyClick(editor, Qt::Key_Escape);
    QTest::mouseClick(editor->cmdExit(), Qt::LeftButton);
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->lstWords()->count(), 4);
    EXPECT_EQ(QApplication::focusWidget(), editor->txtWord());
    EXPECT_TRUE(player.played.isEmpty());

    messages.answers = {Answer::Yes};
    editor->close();
    settle();
    EXPECT_FALSE(window->newWordsWindow());
    EXPECT_EQ(player.played, QStringList{dir.path() + u"/Laser.wav"_s});
}

TEST_F(NewWordsWindowTest, theGameGoesOnBesideTheEditorAndDrawsFromASavedList)
{
    frmNewWords *editor = open();
    typeFour(editor);

    // A round started while the editor is open keeps its word through the save.
    QTest::mouseClick(window->cmdStart(), Qt::LeftButton);
    const QString roundWord = state.strWord;
    ASSERT_TRUE(roundWord == u"OLD"_s || roundWord == u"LIST"_s);
    QTest::mouseClick(window->cmdLetter(11), Qt::LeftButton); // L
    EXPECT_FALSE(window->cmdLetter(11)->isEnabled());

    QTest::mouseClick(editor->optNewYes(), Qt::LeftButton);
    dialogs.choices.append(dir.filePath(u"animals"_s));
    QTest::mouseClick(editor->cmdSave(), Qt::LeftButton);
    settle();
    EXPECT_FALSE(window->newWordsWindow());
    const QString path = dir.filePath(u"animals.wdr"_s);
    EXPECT_EQ(window->windowTitle(), u"Wordrow - by Quilbyte:  "_s + path);
    EXPECT_EQ(state.strWord, roundWord);
    EXPECT_FALSE(window->cmdLetter(11)->isEnabled());

    const QStringList saved = {u"CAT"_s, u"DOG"_s, u"EMU"_s, u"FOX"_s};
    for (int round = 0; round < 4; ++round) {
        QTest::mouseClick(window->cmdStart(), Qt::LeftButton);
        EXPECT_TRUE(saved.contains(state.strWord)) << state.strWord.toStdString();
    }
}

TEST_F(NewWordsWindowTest, endingTheProgramTakesTheEditorAlongWithoutItsQuestionOrSound)
{
    state.blnSoundCard = true;
    QPointer<frmNewWords> editor = open();
    typeFour(editor);
    window.reset();
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(player.played.isEmpty());
}
