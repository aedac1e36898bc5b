#include "FileMenu.h"
#include "FakeFileDialogs.h"
#include "FakeFileSystem.h"
#include "FakeMainWindowView.h"
#include "FakeMessageBoxes.h"
#include "Module1.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using MenuItem = MainWindowView::MenuItem;
using Answer = MessageBoxes::Answer;

namespace {

class FileMenuTest : public ::testing::Test
{
protected:
    FileMenuTest()
    {
        state.varHomeDir = dir.path();
        state.strWordList = {u"OLD"};
        defaultList = dir.filePath(u"wordrow.wdr"_s);
        writeSettings(defaultList, false);
    }

    QByteArray settingsFor(const QString &line1, bool hide)
    {
        return "\"" + QFile::encodeName(line1) + "\"\r\n" + (hide ? "#TRUE#" : "#FALSE#") + "\r\n";
    }
    void writeSettings(const QString &line1, bool hide)
    {
        dir.write(u"wordrow.ini"_s, settingsFor(line1, hide));
    }
    QByteArray settings() { return dir.read(u"wordrow.ini"_s); }
    QString caption(MenuItem item) { return view.menus[item].caption; }
    void choose(const std::optional<QString> &path) { dialogs.choices.append(path); }

    TempDir dir;
    QString defaultList;
    Module1 state;
    FakeMainWindowView view;
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakeFileSystem files{u"/"_s};
    FileMenu menu{state, view, dialogs, messages, files};
};

} // namespace

TEST_F(FileMenuTest, everyListDialogStartsInTheHomeDirectoryWithTheListFilter)
{
    menu.mnuFileOpen_Click();
    menu.mnuFileDefault_Click();
    menu.mnuFileDelete_Click();

    ASSERT_EQ(dialogs.opened.size(), 3);
    EXPECT_EQ(dialogs.opened[0].title, u"File Open"_s);
    EXPECT_EQ(dialogs.opened[1].title, u"Default Wordist File"_s);
    EXPECT_EQ(dialogs.opened[2].title, u"Delete Wordist File"_s);
    for (const FileDialogs::Options &options : dialogs.opened) {
        EXPECT_EQ(options.filter, u"Wordrow Files(*.wdr)|*.wdr"_s);
        EXPECT_EQ(options.flags, 4100u);
        EXPECT_EQ(options.initialDirectory, dir.path());
        EXPECT_TRUE(options.fileName.isEmpty());
    }
    // Cancelled, all three: nothing changed and nothing was said.
    EXPECT_EQ(files.current, dir.path());
    EXPECT_EQ(state.strWordList.toStringList(), QStringList{u"OLD"_s});
    EXPECT_EQ(settings(), settingsFor(defaultList, false));
    EXPECT_TRUE(view.menus.empty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FileMenuTest, loadingAListReplacesTheWordsAndNamesItInTheTitleAndMenu)
{
    const QString upper = dir.write(u"LIST.WDR"_s, "\"cat\"\r\n\"x y\"\r\n");
    choose(upper);
    menu.mnuFileOpen_Click();

    // Loaded as they are: lower case and odd characters too.
    EXPECT_EQ(state.strWordList.toStringList(), (QStringList{u"cat"_s, u"x y"_s}));
    EXPECT_EQ(view.formCaption, u"Wordrow - by Quilbyte:  "_s + upper);
    EXPECT_EQ(caption(MenuItem::mnuFileCurrent), u"(Currently: "_s + upper + u')');
    EXPECT_FALSE(view.menus.contains(MenuItem::mnuFileDefault1));
    EXPECT_EQ(settings(), settingsFor(defaultList, false));

    choose(dir.write(u"other.wdr"_s, "\"DOG\"\r\n"));
    menu.mnuFileCurrent_Click();
    EXPECT_EQ(state.strWordList.toStringList(), QStringList{u"DOG"_s});
}

TEST_F(FileMenuTest, loadingIgnoresOtherExtensionsAndKeepsTheListWhenAFileCannotBePlayed)
{
    choose(dir.write(u"notes.txt"_s, "\"CAT\"\r\n"));
    choose(u"*.wdr"_s);
    menu.mnuFileOpen_Click();
    menu.mnuFileOpen_Click();
    EXPECT_TRUE(messages.shown.isEmpty());

    QDir(dir.path()).mkdir(u"folder.wdr"_s);
    choose(dir.filePath(u"folder.wdr"_s));
    menu.mnuFileOpen_Click();
    EXPECT_TRUE(messages.shown.isEmpty());

    const QString longWords = dir.write(u"long.wdr"_s, "\"ABCDEFGHIJKLMNOP\"\r\n");
    choose(longWords);
    menu.mnuFileOpen_Click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(longWords));
    EXPECT_FALSE(messages.shown[0].question);

    EXPECT_EQ(state.strWordList.toStringList(), QStringList{u"OLD"_s});
    EXPECT_TRUE(view.formCaption.isEmpty());
}

TEST_F(FileMenuTest, anyExistingFileCanBecomeTheStartupList)
{
    writeSettings(defaultList, true);
    state.blnHideSplash = true;
    const QString notes = dir.write(u"notes.txt"_s, "anything");
    choose(notes);
    menu.mnuFileDefault1_Click();

    EXPECT_EQ(settings(), settingsFor(notes, true));
    EXPECT_EQ(caption(MenuItem::mnuFileDefault1), u"(Currently: "_s + notes + u')');
    EXPECT_EQ(state.strWordList.toStringList(), QStringList{u"OLD"_s});
}

TEST_F(FileMenuTest, aStartupListThatIsMissingOrCannotBeStoredChangesNothing)
{
    choose(dir.filePath(u"gone.wdr"_s));
    choose(QString());
    choose(dir.write(u"say \"hi\".wdr"_s, "\"HI\"\r\n"));
    menu.mnuFileDefault_Click();
    menu.mnuFileDefault_Click();
    menu.mnuFileDefault_Click();

    EXPECT_EQ(settings(), settingsFor(defaultList, false));
    EXPECT_FALSE(view.menus.contains(MenuItem::mnuFileDefault1));
}

TEST_F(FileMenuTest, deletingAsksFirstAndANoKeepsEverything)
{
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    writeSettings(list, false);
    choose(list);
    messages.answers = {Answer::No};
    menu.mnuFileDelete_Click();

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, u"Do you want to delete "_s + list + u'?');
    EXPECT_EQ(messages.shown[0].title, u"Exit"_s);
    EXPECT_EQ(messages.shown[0].icon, MessageBoxes::Icon::Information);
    EXPECT_TRUE(QFile::exists(list));
    EXPECT_EQ(settings(), settingsFor(list, false));
}

TEST_F(FileMenuTest, deletingTheStartupListSendsTheStartupBackToTheDefaultList)
{
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    writeSettings(list, true);
    state.blnHideSplash = true;
    choose(list);
    messages.answers = {Answer::Yes};
    menu.mnuFileDelete_Click();

    EXPECT_FALSE(QFile::exists(list));
    EXPECT_EQ(settings(), settingsFor(defaultList, true));
    EXPECT_EQ(caption(MenuItem::mnuFileDefault1), u"(Currently: "_s + defaultList + u')');
    // The words already loaded stay in play.
    EXPECT_EQ(state.strWordList.toStringList(), QStringList{u"OLD"_s});
}

TEST_F(FileMenuTest, deletingAnotherFileLeavesTheSettingsEvenWhenOnlyLetterCaseDiffers)
{
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    writeSettings(dir.filePath(u"WEEK1.wdr"_s), false);
    choose(list);
    messages.answers = {Answer::Yes};
    menu.mnuFileDelete_Click();

    EXPECT_FALSE(QFile::exists(list));
    EXPECT_EQ(settings(), settingsFor(dir.filePath(u"WEEK1.wdr"_s), false));
    EXPECT_FALSE(view.menus.contains(MenuItem::mnuFileDefault1));
}

TEST_F(FileMenuTest, aFileThatCannotBeDeletedKeepsItsPlaceAsTheStartupList)
{
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    writeSettings(list, false);
    files.failRemove = true;
    choose(list);
    messages.answers = {Answer::Yes};
    menu.mnuFileDelete_Click();

    EXPECT_EQ(files.removals, QStringList{list});
    EXPECT_TRUE(QFile::exists(list));
    EXPECT_EQ(settings(), settingsFor(list, false));
    EXPECT_FALSE(view.menus.contains(MenuItem::mnuFileDefault1));
}

TEST_F(FileMenuTest, unreadableSettingsStopTheDeleteBeforeAnythingIsDeleted)
{
    QFile::remove(dir.filePath(u"wordrow.ini"_s));
    QDir(dir.path()).mkdir(u"wordrow.ini"_s);
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    choose(list);
    messages.answers = {Answer::Yes};
    menu.mnuFileDelete_Click();

    EXPECT_TRUE(files.removals.isEmpty());
    EXPECT_TRUE(QFile::exists(list));
}

TEST_F(FileMenuTest, showAndHideRewriteOnlyLineTwoAndSwapTheMenuStates)
{
    // Line 1 holds bytes that are not UTF-8: they must come back unchanged.
    const QByteArray line1 = "\"/home/\xe9l\xe8ve/week1.wdr\"\r\n";
    dir.write(u"wordrow.ini"_s, line1 + "#FALSE#\r\n");

    menu.mnuFileOptionsHide_Click();
    EXPECT_EQ(settings(), line1 + "#TRUE#\r\n");
    EXPECT_TRUE(state.blnHideSplash);
    EXPECT_TRUE(view.menus[MenuItem::mnuFileOptionsHide].checked);
    EXPECT_FALSE(view.menus[MenuItem::mnuFileOptionsHide].enabled);
    EXPECT_FALSE(view.menus[MenuItem::mnuFileOptionsShow].checked);
    EXPECT_TRUE(view.menus[MenuItem::mnuFileOptionsShow].enabled);

    menu.mnuFileOptionsShow_Click();
    EXPECT_EQ(settings(), line1 + "#FALSE#\r\n");
    EXPECT_FALSE(state.blnHideSplash);
    EXPECT_TRUE(view.menus[MenuItem::mnuFileOptionsShow].checked);
    EXPECT_FALSE(view.menus[MenuItem::mnuFileOptionsShow].enabled);
    EXPECT_EQ(files.current, dir.path());
}

TEST_F(FileMenuTest, aSettingThatCannotBeWrittenLeavesTheMenuOnTheSettingInForce)
{
    QFile::remove(dir.filePath(u"wordrow.ini"_s));
    QDir(dir.path()).mkdir(u"wordrow.ini"_s);
    menu.mnuFileOptionsHide_Click();

    EXPECT_FALSE(state.blnHideSplash);
    EXPECT_TRUE(view.menus[MenuItem::mnuFileOptionsShow].checked);
    EXPECT_FALSE(view.menus[MenuItem::mnuFileOptionsHide].checked);
    EXPECT_TRUE(view.menus[MenuItem::mnuFileOptionsHide].enabled);
}

TEST_F(FileMenuTest, theSoundsItemAlwaysOffersTheOppositeOfTheStateInForce)
{
    menu.mnuOptionsSounds_Click();
    EXPECT_TRUE(state.blnSoundOff);
    EXPECT_EQ(caption(MenuItem::mnuOptionsSounds), u"&Turn On Sounds"_s);
    menu.mnuOptionsSounds_Click();
    EXPECT_FALSE(state.blnSoundOff);
    EXPECT_EQ(caption(MenuItem::mnuOptionsSounds), u"&Turn Off Sounds"_s);
    EXPECT_FALSE(view.menus[MenuItem::mnuOptionsSounds].checked);
}

TEST_F(FileMenuTest, closingAsksWhetherToQuitAndOnlyYesEndsTheProgram)
{
    messages.answers = {Answer::No, Answer::Yes};
    bool cancel = false;
    menu.Form_Unload(cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(view.programEnds, 0);

    menu.Form_Unload(cancel);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(view.programEnds, 1);

    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].text, u"Do you want to quit?"_s);
    EXPECT_EQ(messages.shown[0].title, u"Exit"_s);
    EXPECT_EQ(messages.shown[0].icon, MessageBoxes::Icon::Information);
    EXPECT_TRUE(messages.shown[0].question);
}
