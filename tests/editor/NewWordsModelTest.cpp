#include "NewWordsModel.h"
#include "FakeFileDialogs.h"
#include "FakeFileSystem.h"
#include "FakeMainWindowView.h"
#include "FakeMessageBoxes.h"
#include "FakeNewWordsView.h"
#include "Module1.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedRandom.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using MenuItem = MainWindowView::MenuItem;
using Answer = MessageBoxes::Answer;
using Icon = MessageBoxes::Icon;

namespace {

const QString Reminder = u"The word must contain only letters, apostrophes ('), or hyphens (-)"_s;
const QString ExitQuestion = u"Do you want to Exit without saving your word list?"_s;

class NewWordsModelTest : public ::testing::Test
{
protected:
    NewWordsModelTest()
    {
        state.varHomeDir = dir.path();
        state.blnSoundCard = true;
        state.strWordList = {u"OLD", u"LIST"};
        view.model = &model;
        dir.write(u"wordrow.ini"_s, settingsBefore);
    }

    void add(const QString &typed)
    {
        view.type(typed);
        model.cmdEnter_Click();
    }
    void addFour()
    {
        for (const QString &word : {u"cat"_s, u"dog"_s, u"emu"_s, u"fox"_s})
            add(word);
    }
    void select(int index) { model.setSelection(index); }
    // Saves into the home directory under the name the player types in the dialog.
    void saveAs(const QString &name)
    {
        dialogs.choices.append(dir.filePath(name));
        model.cmdSave_Click();
    }
    QStringList listInPlay() const
    {
        QStringList words;
        for (qsizetype i = 0; i < state.strWordList.size(); ++i)
            words.append(state.strWordList.at(i).toString());
        return words;
    }
    QStringList boxTitles() const
    {
        QStringList titles;
        for (const FakeMessageBoxes::Shown &box : messages.shown)
            titles.append(box.title);
        return titles;
    }

    const QByteArray settingsBefore = "\"/lists/week1.wdr\"\r\n#TRUE#\r\n";
    TempDir dir;
    Module1 state;
    FakeMainWindowView mainWindow;
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    FakeFileSystem files{u"/"_s};
    RecordingSoundPlayer player;
    ScriptedRandom random;
    FakeNewWordsView view;
    NewWordsModel model{state, view, mainWindow, {messages, dialogs, files, player, random}};
};

} // namespace

TEST(NewWordsWordCheck, acceptsTheGuessableCharactersInEitherCaseAsUpperCase)
{
    EXPECT_EQ(NewWordsModel::acceptedWord(u"cat"_s), u"CAT"_s);
    EXPECT_EQ(NewWordsModel::acceptedWord(u"don't"_s), u"DON'T"_s);
    EXPECT_EQ(NewWordsModel::acceptedWord(u"X-ray"_s), u"X-RAY"_s);
    EXPECT_EQ(NewWordsModel::acceptedWord(u"-"_s), u"-"_s);
    EXPECT_EQ(NewWordsModel::acceptedWord(u"'"_s), u"'"_s);
    EXPECT_EQ(NewWordsModel::acceptedWord(u"abcdefghijklmno"_s), u"ABCDEFGHIJKLMNO"_s);
}

TEST(NewWordsWordCheck, refusesAnythingElseWithoutTrimming)
{
    for (const QString &typed : {u"ice cream"_s, u"cat "_s, u" cat"_s, u"r2d2"_s, u"ok!"_s,
             u"caf\u00e9"_s, u"\u2019"_s, u"cat\t"_s, u"\"cat\""_s}) {
        EXPECT_FALSE(NewWordsModel::acceptedWord(typed)) << typed.toStdString();
    }
}

TEST(NewWordsWordCheck, judgesTheUpperCasedWordWhichCanBeLonger)
{
    // Upper-casing turns each sharp s into two letters.
    EXPECT_EQ(NewWordsModel::acceptedWord(u"stra\u00dfe"_s), u"STRASSE"_s);
    EXPECT_FALSE(NewWordsModel::acceptedWord(QString(8, QChar(0xdf))));
    EXPECT_FALSE(NewWordsModel::acceptedWord(u"abcdefghijklmn\u00df"_s));
}

TEST(NewWordsListName, endsInTheListExtensionWhateverWasTyped)
{
    EXPECT_EQ(NewWordsModel::withListSuffix(u"/d/mylist"_s), u"/d/mylist.wdr"_s);
    EXPECT_EQ(NewWordsModel::withListSuffix(u"/d/week.1"_s), u"/d/week.1.wdr"_s);
    EXPECT_EQ(NewWordsModel::withListSuffix(u"/d/WEEK.WDR"_s), u"/d/WEEK.WDR"_s);
    EXPECT_EQ(NewWordsModel::withListSuffix(u"/d/listwdr"_s), u"/d/listwdr.wdr"_s);
}

TEST_F(NewWordsModelTest, addingAWordListsItEmptiesTheBoxAndKeepsTheFocusThere)
{
    add(u"cat"_s);
    EXPECT_EQ(model.entries(), QStringList{u"CAT"_s});
    EXPECT_EQ(view.shownEntries, QStringList{u"CAT"_s});
    EXPECT_EQ(view.typed, QString());
    EXPECT_EQ(model.typed(), QString());
    EXPECT_EQ(view.typedFocused, 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(NewWordsModelTest, aRefusedWordIsExplainedAndLeftSelectedInTheBox)
{
    add(u"ice cream"_s);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, Reminder);
    EXPECT_EQ(messages.shown[0].title, u"Reminder"_s);
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_FALSE(messages.shown[0].question);
    EXPECT_TRUE(model.entries().isEmpty());
    EXPECT_EQ(view.typed, u"ice cream"_s);
    EXPECT_TRUE(view.typedSelected);
    EXPECT_EQ(view.typedFocused, 1);
    EXPECT_FALSE(view.removeEnabled);
}

TEST_F(NewWordsModelTest, anEmptyBoxAddsNothingAndSaysNothing)
{
    add(QString());
    EXPECT_TRUE(model.entries().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(view.typedFocused, 1);
}

TEST_F(NewWordsModelTest, entriesStayInTheOrderAddedWithDuplicates)
{
    for (const QString &word : {u"dog"_s, u"cat"_s, u"dog"_s})
        add(word);
    EXPECT_EQ(model.entries(), (QStringList{u"DOG"_s, u"CAT"_s, u"DOG"_s}));
    EXPECT_EQ(view.shownEntries, model.entries());
}

TEST_F(NewWordsModelTest, buttonsFollowTheNumberOfEntries)
{
    add(u"cat"_s);
    EXPECT_TRUE(view.removeEnabled);
    EXPECT_FALSE(view.saveEnabled);
    add(u"dog"_s);
    add(u"emu"_s);
    EXPECT_FALSE(view.saveEnabled);
    add(u"fox"_s);
    EXPECT_TRUE(view.saveEnabled);

    select(1);
    model.cmdDelete_Click();
    EXPECT_EQ(model.entries(), (QStringList{u"CAT"_s, u"EMU"_s, u"FOX"_s}));
    EXPECT_EQ(view.shownEntries, model.entries());
    EXPECT_FALSE(model.selection());
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_TRUE(view.removeEnabled);

    // Nothing selected after a removal: the next click removes nothing.
    model.cmdDelete_Click();
    EXPECT_EQ(model.entries().size(), 3);

    for (int i = 0; i < 3; ++i) {
        select(0);
        model.cmdDelete_Click();
    }
    EXPECT_TRUE(model.entries().isEmpty());
    EXPECT_FALSE(view.removeEnabled);
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_EQ(view.typedFocused, 9);
}

TEST_F(NewWordsModelTest, aSelectionOutsideTheEntriesSelectsNothing)
{
    add(u"cat"_s);
    select(1);
    EXPECT_FALSE(model.selection());
    select(-1);
    model.cmdDelete_Click();
    EXPECT_EQ(model.entries().size(), 1);
}

TEST_F(NewWordsModelTest, closingWithThreeEntriesAsksNothingAndPlaysTheSound)
{
    for (const QString &word : {u"cat"_s, u"dog"_s, u"emu"_s})
        add(word);
    model.cmdExit_Click();
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(player.played, QStringList{dir.path() + u"/Laser.wav"_s});
}

TEST_F(NewWordsModelTest, closingWithFourUnsavedEntriesAsksFirst)
{
    addFour();
    messages.answers = {Answer::No};
    model.cmdExit_Click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, ExitQuestion);
    EXPECT_EQ(messages.shown[0].title, u"Exit Word List"_s);
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_EQ(messages.shown[0].defaultAnswer, Answer::Yes);
    EXPECT_FALSE(view.closed);
    EXPECT_TRUE(player.played.isEmpty());
    EXPECT_EQ(model.entries().size(), 4);
    EXPECT_EQ(view.typedFocused, 5);

    messages.answers = {Answer::Yes};
    model.cmdExit_Click();
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(player.played.size(), 1);
}

TEST_F(NewWordsModelTest, theClosingSoundFollowsTheSoundSwitches)
{
    state.blnSoundOff = true;
    model.cmdExit_Click();
    state.blnSoundOff = false;
    state.blnSoundCard = false;
    model.cmdExit_Click();
    EXPECT_TRUE(player.played.isEmpty());
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(NewWordsModelTest, theSaveDialogOffersListsInTheHomeDirectory)
{
    addFour();
    model.cmdSave_Click();
    ASSERT_EQ(dialogs.saved.size(), 1);
    const FileDialogs::Options &options = dialogs.saved[0];
    EXPECT_EQ(options.title, u"File Save As"_s);
    EXPECT_EQ(options.filter, u"Wordrow Files(*.wdr)|*.wdr"_s);
    EXPECT_EQ(options.defaultSuffix, u"wdr"_s);
    EXPECT_EQ(options.initialDirectory, dir.path());
    EXPECT_EQ(options.fileName, QString());
    EXPECT_EQ(options.flags, quint32(FileDialogs::OverwritePrompt | FileDialogs::HideReadOnly));
    EXPECT_EQ(files.current, dir.path());

    // Cancelled: nothing happened and the editor waits.
    EXPECT_FALSE(view.closed);
    EXPECT_FALSE(model.blnListSaved());
    EXPECT_EQ(view.typedFocused, 5);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"wordrow.ini"_s});
}

TEST_F(NewWordsModelTest, saveDoesNothingBeforeTheFourthEntry)
{
    for (const QString &word : {u"cat"_s, u"dog"_s, u"emu"_s})
        add(word);
    model.cmdSave_Click();
    EXPECT_TRUE(dialogs.saved.isEmpty());
    EXPECT_FALSE(view.closed);
}

TEST_F(NewWordsModelTest, aSaveWithBothChoicesNoWritesTheFileOnly)
{
    addFour();
    saveAs(u"mylist"_s);
    EXPECT_EQ(dir.read(u"mylist.wdr"_s), "\"CAT\"\r\n\"DOG\"\r\n\"EMU\"\r\n\"FOX\"\r\n");
    EXPECT_TRUE(model.blnListSaved());
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_EQ(listInPlay(), (QStringList{u"OLD"_s, u"LIST"_s}));
    EXPECT_EQ(mainWindow.formCaption, QString());
    EXPECT_TRUE(mainWindow.menus.empty());
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settingsBefore);
}

TEST_F(NewWordsModelTest, aSaveWithLoadNowPutsExactlyTheEntriesInPlay)
{
    for (const QString &word : {u"zebra"_s, u"ant"_s, u"ant"_s, u"yak"_s, u"emu"_s})
        add(word);
    view.model->setLoadNow(true);
    saveAs(u"Week 3.wdr"_s);
    const QString path = dir.filePath(u"Week 3.wdr"_s);
    EXPECT_EQ(listInPlay(), (QStringList{u"ZEBRA"_s, u"ANT"_s, u"ANT"_s, u"YAK"_s, u"EMU"_s}));
    EXPECT_EQ(mainWindow.formCaption, u"Wordrow - by Quilbyte:  "_s + path);
    EXPECT_EQ(mainWindow.menus[MenuItem::mnuFileCurrent].caption, u"(Currently: "_s + path + u')');
    EXPECT_FALSE(mainWindow.menus.contains(MenuItem::mnuFileDefault1));
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settingsBefore);
    EXPECT_TRUE(view.closed);
}

TEST_F(NewWordsModelTest, aSaveWithMakeStartupRecordsTheListAndKeepsTheTitleScreenSetting)
{
    state.blnHideSplash = true;
    addFour();
    model.setMakeStartup(true);
    saveAs(u"week.1"_s);
    const QString path = dir.filePath(u"week.1.wdr"_s);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), "\"" + QFile::encodeName(path) + "\"\r\n#TRUE#\r\n");
    EXPECT_EQ(mainWindow.menus[MenuItem::mnuFileDefault1].caption, u"(Currently: "_s + path + u')');
    EXPECT_EQ(listInPlay(), (QStringList{u"OLD"_s, u"LIST"_s}));
    EXPECT_EQ(mainWindow.formCaption, QString());
    EXPECT_TRUE(view.closed);
}

TEST_F(NewWordsModelTest, anExistingNameInAnyLetterCaseIsRefusedAndKeptAsItWas)
{
    dir.write(u"Spelling.WDR"_s, "\"MINE\"\r\n");
    addFour();
    model.setLoadNow(true);
    const int focusedBefore = view.typedFocused;
    saveAs(u"spelling.wdr"_s);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(
        messages.shown[0].text, u"The filename already exists.  Please choose another name."_s);
    EXPECT_EQ(messages.shown[0].title, u"Choose New Filename"_s);
    EXPECT_EQ(messages.shown[0].icon, Icon::None);
    EXPECT_EQ(dir.read(u"Spelling.WDR"_s), "\"MINE\"\r\n");
    EXPECT_FALSE(QFile::exists(dir.filePath(u"spelling.wdr"_s)));
    EXPECT_EQ(listInPlay(), (QStringList{u"OLD"_s, u"LIST"_s}));
    EXPECT_FALSE(model.blnListSaved());
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(view.typedFocused, focusedBefore);

    // The player tries again with a free name.
    saveAs(u"spelling2"_s);
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(listInPlay(), (QStringList{u"CAT"_s, u"DOG"_s, u"EMU"_s, u"FOX"_s}));
}

TEST_F(NewWordsModelTest, aFailedWriteIsSaidOnceAndLosesNothing)
{
    addFour();
    model.setLoadNow(true);
    model.setMakeStartup(true);
    dialogs.choices.append(dir.filePath(u"no such folder/list.wdr"_s));
    model.cmdSave_Click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"could not save the list"_s));
    EXPECT_EQ(model.entries().size(), 4);
    EXPECT_FALSE(model.blnListSaved());
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(listInPlay(), (QStringList{u"OLD"_s, u"LIST"_s}));
    EXPECT_TRUE(mainWindow.menus.empty());
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settingsBefore);

    // Leaving now would lose the words: the editor asks.
    model.cmdExit_Click();
    EXPECT_EQ(boxTitles(), (QStringList{u"Save List"_s, u"Exit Word List"_s}));
}

TEST_F(NewWordsModelTest, aSettingsFileThatCannotBeWrittenKeepsWhatIsDoneAndTheListCountsAsSaved)
{
    QFile::remove(dir.filePath(u"wordrow.ini"_s));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"wordrow.ini"_s));
    addFour();
    model.setLoadNow(true);
    model.setMakeStartup(true);
    saveAs(u"week"_s);
    const QString path = dir.filePath(u"week.wdr"_s);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(listInPlay(), (QStringList{u"CAT"_s, u"DOG"_s, u"EMU"_s, u"FOX"_s}));
    EXPECT_EQ(mainWindow.formCaption, u"Wordrow - by Quilbyte:  "_s + path);
    EXPECT_FALSE(mainWindow.menus.contains(MenuItem::mnuFileDefault1));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"could not make it the startup list"_s));
    EXPECT_FALSE(view.closed);

    // The list is on disk: leaving asks nothing.
    EXPECT_TRUE(model.blnListSaved());
    model.cmdExit_Click();
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(NewWordsModelTest, aWordAddedAfterThePartialSaveCountsAsUnsavedAgain)
{
    QFile::remove(dir.filePath(u"wordrow.ini"_s));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"wordrow.ini"_s));
    addFour();
    model.setMakeStartup(true);
    saveAs(u"week"_s);
    ASSERT_TRUE(model.blnListSaved());
    add(u"gnu"_s);
    EXPECT_FALSE(model.blnListSaved());
    model.cmdExit_Click();
    EXPECT_EQ(boxTitles(), (QStringList{u"Save List"_s, u"Exit Word List"_s}));
}
