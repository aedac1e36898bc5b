#include "editor/WordListEditorDialog.h"
#include "app/LetterButton.h"
#include "app/MainWindow.h"
#include "core/GameState.h"
#include "support/ProgramFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
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

class WordListEditorDialogTest : public ProgramFixture
{
protected:
    WordListEditorDialogTest() { startGame("\"OLD\"\r\n\"LIST\"\r\n"); }

    // Through the File menu's "Make New Wordlist", as Ctrl+M does.
    WordListEditorDialog *open()
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
        WordListEditorDialog *editor = window->wordListEditor();
        EXPECT_TRUE(editor && becomesActive(editor));
        return editor;
    }
    void type(WordListEditorDialog *editor, const QString &text)
    {
        QTest::keyClicks(editor->findChild<QLineEdit *>(u"txtWord"_s), text);
        QTest::keyClick(editor->findChild<QLineEdit *>(u"txtWord"_s), Qt::Key_Return);
    }
    void typeFour(WordListEditorDialog *editor)
    {
        for (const QString &word : {u"cat"_s, u"dog"_s, u"emu"_s, u"fox"_s})
            type(editor, word);
    }
    static QStringList shownEntries(WordListEditorDialog *editor)
    {
        QStringList entries;
        for (int i = 0; i < editor->findChild<QListWidget *>(u"lstWords"_s)->count(); ++i)
            entries.append(editor->findChild<QListWidget *>(u"lstWords"_s)->item(i)->text());
        return entries;
    }
};

} // namespace

TEST_F(WordListEditorDialogTest, opensFreshWithEveryControlAtItsPlace)
{
    WordListEditorDialog *editor = open();
    EXPECT_EQ(editor->windowTitle(), u"Make New Word List"_s);
    EXPECT_EQ(editor->size(), QSize(448, 216));
    EXPECT_EQ(editor->minimumSize(), editor->maximumSize());
    EXPECT_FALSE(editor->isModal());
    EXPECT_FALSE(
        editor->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(editor->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(editor->parentWidget(), window.get());
    EXPECT_EQ(editor->palette().color(QPalette::Window), QColor(128, 128, 128));

    // Twips at 15 to the pixel; children of a frame sit relative to it.
    EXPECT_EQ(editor->findChild<QLineEdit *>(u"txtWord"_s)->geometry(), QRect(8, 40, 129, 23));
    EXPECT_EQ(editor->findChild<QListWidget *>(u"lstWords"_s)->geometry(), QRect(168, 40, 185, 99));
    EXPECT_EQ(editor->findChild<QPushButton *>(u"cmdEnter"_s)->geometry(), QRect(368, 16, 65, 25));
    EXPECT_EQ(editor->findChild<QPushButton *>(u"cmdExit"_s)->geometry(), QRect(368, 112, 65, 25));
    EXPECT_EQ(
        editor->findChild<QPushButton *>(u"cmdImport"_s)->geometry(), QRect(368, 144, 65, 25));
    EXPECT_EQ(editor->findChild<QFrame *>(u"frmNewSave"_s)->geometry(), QRect(88, 64, 73, 73));
    EXPECT_EQ(editor->findChild<QFrame *>(u"frmNewLoad"_s)->geometry(), QRect(8, 64, 73, 73));
    EXPECT_EQ(editor->findChild<QRadioButton *>(u"optDefaultNo"_s)->pos(), QPoint(16, 56));
    EXPECT_EQ(editor->findChild<QRadioButton *>(u"optNewYes"_s)->parentWidget(),
        editor->findChild<QFrame *>(u"frmNewLoad"_s));
    EXPECT_EQ(editor->findChild<QLabel *>(u"lblEnterWord"_s)->pos(), QPoint(8, 24));

    EXPECT_EQ(editor->findChild<QLabel *>(u"lblEnterWord"_s)->palette().color(QPalette::WindowText),
        QColor(255, 224, 192));
    EXPECT_EQ(
        editor->findChild<QRadioButton *>(u"optNewNo"_s)->palette().color(QPalette::WindowText),
        QColor(255, 224, 192));
    EXPECT_TRUE(editor->findChild<QLabel *>(u"lblList"_s)->font().bold());
    EXPECT_DOUBLE_EQ(editor->findChild<QLineEdit *>(u"txtWord"_s)->font().pointSizeF(), 9.6);

    EXPECT_TRUE(editor->findChild<QPushButton *>(u"cmdEnter"_s)->isDefault());
    EXPECT_FALSE(editor->findChild<QPushButton *>(u"cmdDelete"_s)->isEnabled());
    EXPECT_FALSE(editor->findChild<QPushButton *>(u"cmdSave"_s)->isEnabled());
    EXPECT_TRUE(editor->findChild<QRadioButton *>(u"optDefaultNo"_s)->isChecked());
    EXPECT_TRUE(editor->findChild<QRadioButton *>(u"optNewNo"_s)->isChecked());
    EXPECT_EQ(editor->findChild<QLineEdit *>(u"txtWord"_s)->maxLength(), 15);
    EXPECT_EQ(QApplication::focusWidget(), editor->findChild<QLineEdit *>(u"txtWord"_s));
    EXPECT_EQ(editor->findChild<QPushButton *>(u"cmdSave"_s)->toolTip(),
        u"Save the list you have typed in, so that you can use it again."_s);

    // A button whose caption the font breaks into lines keeps its access key.
    EXPECT_TRUE(editor->findChild<QPushButton *>(u"cmdDelete"_s)->text().contains(u"&Remove"_s));
    EXPECT_EQ(
        editor->findChild<QPushButton *>(u"cmdDelete"_s)->accessibleName(), u"Remove from List"_s);
}

TEST_F(WordListEditorDialogTest, tabStepsThroughTheControlsInOrder)
{
    WordListEditorDialog *editor = open();
    const QList<QWidget *> expected = {editor->findChild<QLineEdit *>(u"txtWord"_s),
        editor->findChild<QListWidget *>(u"lstWords"_s),
        editor->findChild<QLineEdit *>(u"txtSentence"_s),
        editor->findChild<QPushButton *>(u"cmdEnter"_s),
        editor->findChild<QPushButton *>(u"cmdDelete"_s),
        editor->findChild<QPushButton *>(u"cmdSave"_s),
        editor->findChild<QPushButton *>(u"cmdExit"_s),
        editor->findChild<QPushButton *>(u"cmdImport"_s),
        editor->findChild<QRadioButton *>(u"optDefaultYes"_s),
        editor->findChild<QRadioButton *>(u"optDefaultNo"_s),
        editor->findChild<QRadioButton *>(u"optNewYes"_s),
        editor->findChild<QRadioButton *>(u"optNewNo"_s)};
    QList<QWidget *> chain;
    for (QWidget *w = editor->findChild<QLineEdit *>(u"txtWord"_s); chain.size() < expected.size();
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.append(w);
    }
    EXPECT_EQ(chain, expected);
}

TEST_F(WordListEditorDialogTest, typingAndEnterCollectWordsAndKeepTheFocusInTheBox)
{
    WordListEditorDialog *editor = open();
    type(editor, u"cat"_s);
    EXPECT_EQ(shownEntries(editor), QStringList{u"CAT"_s});
    EXPECT_TRUE(editor->findChild<QLineEdit *>(u"txtWord"_s)->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), editor->findChild<QLineEdit *>(u"txtWord"_s));
    EXPECT_TRUE(editor->findChild<QPushButton *>(u"cmdDelete"_s)->isEnabled());

    // Fifteen characters fit; the sixteenth is refused.
    QTest::keyClicks(editor->findChild<QLineEdit *>(u"txtWord"_s), u"abcdefghijklmnop"_s);
    EXPECT_EQ(editor->findChild<QLineEdit *>(u"txtWord"_s)->text(), u"abcdefghijklmno"_s);

    // Enter in the list presses the default button too.
    editor->findChild<QListWidget *>(u"lstWords"_s)->setFocus();
    QTest::keyClick(editor->findChild<QListWidget *>(u"lstWords"_s), Qt::Key_Return);
    EXPECT_EQ(shownEntries(editor), (QStringList{u"CAT"_s, u"ABCDEFGHIJKLMNO"_s}));
    EXPECT_EQ(QApplication::focusWidget(), editor->findChild<QLineEdit *>(u"txtWord"_s));

    type(editor, QString());
    EXPECT_EQ(editor->findChild<QListWidget *>(u"lstWords"_s)->count(), 2);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(WordListEditorDialogTest, aRefusedWordStaysSelectedSoTheNextKeyReplacesIt)
{
    WordListEditorDialog *editor = open();
    type(editor, u"r2d2"_s);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, u"Reminder"_s);
    EXPECT_EQ(editor->findChild<QLineEdit *>(u"txtWord"_s)->selectedText(), u"r2d2"_s);
    EXPECT_EQ(QApplication::focusWidget(), editor->findChild<QLineEdit *>(u"txtWord"_s));
    QTest::keyClicks(editor->findChild<QLineEdit *>(u"txtWord"_s), u"x"_s);
    EXPECT_EQ(editor->findChild<QLineEdit *>(u"txtWord"_s)->text(), u"x"_s);
}

TEST_F(WordListEditorDialogTest, aClickedWordIsRemovedAndNothingStaysSelected)
{
    WordListEditorDialog *editor = open();
    typeFour(editor);
    EXPECT_TRUE(editor->findChild<QPushButton *>(u"cmdSave"_s)->isEnabled());
    QListWidget *list = editor->findChild<QListWidget *>(u"lstWords"_s);
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QTest::mouseClick(editor->findChild<QPushButton *>(u"cmdDelete"_s), Qt::LeftButton);
    EXPECT_EQ(shownEntries(editor), (QStringList{u"CAT"_s, u"EMU"_s, u"FOX"_s}));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(editor->editor().selection());
    EXPECT_FALSE(editor->findChild<QPushButton *>(u"cmdSave"_s)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), editor->findChild<QLineEdit *>(u"txtWord"_s));

    QTest::mouseClick(editor->findChild<QPushButton *>(u"cmdDelete"_s), Qt::LeftButton);
    EXPECT_EQ(list->count(), 3);
}

TEST_F(WordListEditorDialogTest, aChoiceIsRememberedAndTheFocusGoesBackToTheBox)
{
    WordListEditorDialog *editor = open();
    QTest::mouseClick(editor->findChild<QRadioButton *>(u"optNewYes"_s), Qt::LeftButton);
    EXPECT_TRUE(editor->editor().loadNow());
    EXPECT_EQ(QApplication::focusWidget(), editor->findChild<QLineEdit *>(u"txtWord"_s));
    // An access key clicks a moment later, as a mouse click would look.
    QTest::keyClick(editor, Qt::Key_Y, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor(
        [editor] { return editor->findChild<QRadioButton *>(u"optDefaultYes"_s)->isChecked(); }));
    EXPECT_TRUE(editor->editor().makeStartup());
    QTest::mouseClick(editor->findChild<QRadioButton *>(u"optDefaultNo"_s), Qt::LeftButton);
    EXPECT_FALSE(editor->editor().makeStartup());
}

TEST_F(WordListEditorDialogTest, opensOnceAndComesBackUnchanged)
{
    WordListEditorDialog *editor = open();
    type(editor, u"cat"_s);
    QTest::keyClicks(editor->findChild<QLineEdit *>(u"txtWord"_s), u"do"_s);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    EXPECT_EQ(open(), editor);
    EXPECT_EQ(shownEntries(editor), QStringList{u"CAT"_s});
    EXPECT_EQ(editor->findChild<QLineEdit *>(u"txtWord"_s)->text(), u"do"_s);
    EXPECT_EQ(window->findChildren<WordListEditorDialog *>().size(), 1);

    // Closed, it opens fresh.
    editor->close();
    settle();
    EXPECT_FALSE(window->wordListEditor());
    WordListEditorDialog *fresh = open();
    EXPECT_EQ(fresh->findChild<QListWidget *>(u"lstWords"_s)->count(), 0);
    EXPECT_TRUE(fresh->findChild<QLineEdit *>(u"txtWord"_s)->text().isEmpty());
}

TEST_F(WordListEditorDialogTest, everyWayOfClosingRunsTheClosingQuestion)
{
    WordListEditorDialog *editor = open();
    typeFour(editor);
    messages.answers = {Answer::No, Answer::No};
    QTest::keyClick(editor, Qt::Key_Escape);
    QTest::mouseClick(editor->findChild<QPushButton *>(u"cmdExit"_s), Qt::LeftButton);
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->findChild<QListWidget *>(u"lstWords"_s)->count(), 4);
    EXPECT_EQ(QApplication::focusWidget(), editor->findChild<QLineEdit *>(u"txtWord"_s));
    EXPECT_TRUE(player.played.isEmpty());

    messages.answers = {Answer::Yes};
    editor->close();
    settle();
    EXPECT_FALSE(window->wordListEditor());
    EXPECT_EQ(player.played, QStringList{dir.path() + u"/Laser.wav"_s});
}

TEST_F(WordListEditorDialogTest, theGameGoesOnBesideTheEditorAndDrawsFromASavedList)
{
    WordListEditorDialog *editor = open();
    typeFour(editor);

    // A round started while the editor is open keeps its word through the save.
    QTest::mouseClick(window->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
    const QString roundWord = window->round().word();
    ASSERT_TRUE(roundWord == u"OLD"_s || roundWord == u"LIST"_s);
    QTest::mouseClick(window->letterButton(11), Qt::LeftButton); // L
    EXPECT_FALSE(window->letterButton(11)->isEnabled());

    QTest::mouseClick(editor->findChild<QRadioButton *>(u"optNewYes"_s), Qt::LeftButton);
    dialogs.choices.append(dir.filePath(u"animals"_s));
    QTest::mouseClick(editor->findChild<QPushButton *>(u"cmdSave"_s), Qt::LeftButton);
    settle();
    EXPECT_FALSE(window->wordListEditor());
    const QString path = dir.filePath(u"animals.wdr"_s);
    EXPECT_EQ(window->windowTitle(), u"Wordrow - by Quilbyte:  "_s + path);
    EXPECT_EQ(window->round().word(), roundWord);
    EXPECT_FALSE(window->letterButton(11)->isEnabled());

    const QStringList saved = {u"CAT"_s, u"DOG"_s, u"EMU"_s, u"FOX"_s};
    for (int round = 0; round < 4; ++round) {
        QTest::mouseClick(window->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
        EXPECT_TRUE(saved.contains(window->round().word())) << window->round().word().toStdString();
    }
}

TEST_F(WordListEditorDialogTest, endingTheProgramTakesTheEditorAlongWithoutItsQuestionOrSound)
{
    state.soundCardFound = true;
    QPointer<WordListEditorDialog> editor = open();
    typeFour(editor);
    window.reset();
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(WordListEditorDialogTest, pastingAListIntoTheBoxAddsEveryWordAndOneWordStaysInTheBox)
{
    WordListEditorDialog *editor = open();
    auto *box = editor->findChild<QLineEdit *>(u"txtWord"_s);
    QGuiApplication::clipboard()->setText(u"cat\ndog, emu\n"_s);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shownEntries(editor), (QStringList{u"CAT"_s, u"DOG"_s, u"EMU"_s}));
    EXPECT_EQ(box->text(), QString());
    QGuiApplication::clipboard()->setText(u"fox"_s);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), u"fox"_s);
    EXPECT_EQ(shownEntries(editor).size(), 3);
    EXPECT_EQ(messages.shown.size(), 1);
}
