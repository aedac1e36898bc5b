#include "game/FileCommands.h"
#include "core/GameState.h"
#include "game/MenuCaptions.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeFileSystem.h"
#include "support/FakeMainWindowView.h"
#include "support/FakeMessageBoxes.h"
#include "support/TempDir.h"

#include <QAction>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Answer = MessageBoxes::Answer;

namespace {

class FileCommandsTest : public ::testing::Test
{
protected:
    FileCommandsTest()
    {
        state.homeDir = dir.path();
        state.words = {u"OLD"};
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
    void choose(const std::optional<QString> &path) { dialogs.choices.append(path); }
    // Lays out an installation in the home directory: the program in bin, the lists beside it.
    QString readyMadeLists()
    {
        files.program = dir.filePath(u"bin"_s);
        EXPECT_TRUE(QDir(dir.path()).mkpath(u"bin"_s));
        EXPECT_TRUE(QDir(dir.path()).mkpath(u"share/wordrow/lists"_s));
        return dir.filePath(u"share/wordrow/lists"_s);
    }

    TempDir dir;
    QString defaultList;
    GameState state;
    FakeMainWindowView view;
    MenuCaptions captions;
    // Captions a command has not changed stay as the window's menu first showed them.
    const QString untouched = captions.startupList()->text();
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakeFileSystem files{u"/"_s};
    FileCommands commands{state, view, captions, dialogs, messages, files};
};

} // namespace

TEST_F(FileCommandsTest, everyListDialogStartsInTheHomeDirectoryWithTheListFilter)
{
    commands.openList();
    commands.chooseStartupList();
    commands.deleteList();

    ASSERT_EQ(dialogs.opened.size(), 3);
    EXPECT_EQ(dialogs.opened[0].title, u"File Open"_s);
    EXPECT_EQ(dialogs.opened[1].title, u"Default Wordlist File"_s);
    EXPECT_EQ(dialogs.opened[2].title, u"Delete Wordlist File"_s);
    for (const FileDialogs::Options &options : dialogs.opened) {
        EXPECT_EQ(options.nameFilters, QStringList{u"Wordrow Files(*.wdr)"_s});
        EXPECT_TRUE(options.fileMustExist);
        EXPECT_FALSE(options.confirmOverwrite);
        EXPECT_EQ(options.startFolder, dir.path());
        EXPECT_TRUE(options.fileName.isEmpty());
    }
    // Cancelled, all three: nothing changed and nothing was said.
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(state.words.toStringList(), QStringList{u"OLD"_s});
    EXPECT_EQ(settings(), settingsFor(defaultList, false));
    EXPECT_EQ(captions.startupList()->text(), untouched);
    EXPECT_TRUE(captions.title().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FileCommandsTest, loadingAListReplacesTheWordsAndNamesItInTheTitleAndMenu)
{
    const QString upper = dir.write(u"LIST.WDR"_s, "\"cat\"\r\n\"x y\"\r\n");
    choose(upper);
    commands.openList();

    // Loaded as they are: lower case and odd characters too.
    EXPECT_EQ(state.words.toStringList(), (QStringList{u"cat"_s, u"x y"_s}));
    EXPECT_EQ(captions.title(), u"Wordrow - by Quilbyte:  "_s + upper);
    EXPECT_EQ(captions.currentList()->text(), u"(Currently: "_s + upper + u')');
    EXPECT_EQ(captions.startupList()->text(), untouched);
    EXPECT_EQ(settings(), settingsFor(defaultList, false));

    choose(dir.write(u"other.wdr"_s, "\"DOG\"\r\n"));
    commands.openList();
    EXPECT_EQ(state.words.toStringList(), QStringList{u"DOG"_s});
}

TEST_F(FileCommandsTest, loadingIgnoresOtherExtensionsAndKeepsTheListWhenAFileCannotBePlayed)
{
    choose(dir.write(u"notes.txt"_s, "\"CAT\"\r\n"));
    choose(u"*.wdr"_s);
    commands.openList();
    commands.openList();
    EXPECT_TRUE(messages.shown.isEmpty());

    QDir(dir.path()).mkdir(u"folder.wdr"_s);
    choose(dir.filePath(u"folder.wdr"_s));
    commands.openList();
    EXPECT_TRUE(messages.shown.isEmpty());

    const QString longWords = dir.write(u"long.wdr"_s, "\"ABCDEFGHIJKLMNOP\"\r\n");
    choose(longWords);
    commands.openList();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(longWords));
    EXPECT_FALSE(messages.shown[0].question);

    EXPECT_EQ(state.words.toStringList(), QStringList{u"OLD"_s});
    EXPECT_TRUE(captions.title().isEmpty());
}

TEST_F(FileCommandsTest, anyExistingFileCanBecomeTheStartupList)
{
    writeSettings(defaultList, true);
    state.hideTitleScreen = true;
    const QString notes = dir.write(u"notes.txt"_s, "anything");
    choose(notes);
    commands.chooseStartupList();

    EXPECT_EQ(settings(), settingsFor(notes, true));
    EXPECT_EQ(captions.startupList()->text(), u"(Currently: "_s + notes + u')');
    EXPECT_EQ(state.words.toStringList(), QStringList{u"OLD"_s});
}

TEST_F(FileCommandsTest, aStartupListThatIsMissingOrCannotBeStoredChangesNothing)
{
    choose(dir.filePath(u"gone.wdr"_s));
    choose(QString());
    choose(dir.write(u"say \"hi\".wdr"_s, "\"HI\"\r\n"));
    commands.chooseStartupList();
    commands.chooseStartupList();
    commands.chooseStartupList();

    EXPECT_EQ(settings(), settingsFor(defaultList, false));
    EXPECT_EQ(captions.startupList()->text(), untouched);
}

TEST_F(FileCommandsTest, deletingAsksFirstAndANoKeepsEverything)
{
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    writeSettings(list, false);
    choose(list);
    messages.answers = {Answer::No};
    commands.deleteList();

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, u"Do you want to delete "_s + list + u'?');
    EXPECT_EQ(messages.shown[0].title, u"Exit"_s);
    EXPECT_EQ(messages.shown[0].icon, MessageBoxes::Icon::Information);
    EXPECT_TRUE(QFile::exists(list));
    EXPECT_EQ(settings(), settingsFor(list, false));
}

TEST_F(FileCommandsTest, deletingTheStartupListSendsTheStartupBackToTheDefaultList)
{
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    writeSettings(list, true);
    state.hideTitleScreen = true;
    choose(list);
    messages.answers = {Answer::Yes};
    commands.deleteList();

    EXPECT_FALSE(QFile::exists(list));
    EXPECT_EQ(settings(), settingsFor(defaultList, true));
    EXPECT_EQ(captions.startupList()->text(), u"(Currently: "_s + defaultList + u')');
    // The words already loaded stay in play.
    EXPECT_EQ(state.words.toStringList(), QStringList{u"OLD"_s});
}

TEST_F(FileCommandsTest, deletingAnotherFileLeavesTheSettingsEvenWhenOnlyLetterCaseDiffers)
{
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    writeSettings(dir.filePath(u"WEEK1.wdr"_s), false);
    choose(list);
    messages.answers = {Answer::Yes};
    commands.deleteList();

    EXPECT_FALSE(QFile::exists(list));
    EXPECT_EQ(settings(), settingsFor(dir.filePath(u"WEEK1.wdr"_s), false));
    EXPECT_EQ(captions.startupList()->text(), untouched);
}

TEST_F(FileCommandsTest, aDeleteThatDidNotHappenSaysWhyAndChangesNothing)
{
    const QString lists = readyMadeLists();
    const QString animals = dir.write(u"share/wordrow/lists/Animals.wdr"_s, "\"CAT\"\r\n");
    const QString week1 = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    enum class Fault { Denied, Gone, ReadyMade, SettingsUnreadable };
    const struct
    {
        Fault fault;
        QString chosen;
        QString why;
        bool removeTried;
    } cases[] = {
        {Fault::Denied, week1, u"Wordrow is not allowed to change it or its folder."_s, true},
        {Fault::Gone, dir.filePath(u"gone.wdr"_s), u"it is no longer there."_s, false},
        // Also where the player could write, and however the path is spelled.
        {Fault::ReadyMade, animals, u"it is one of the lists that come with Wordrow."_s, false},
        {Fault::ReadyMade, lists + u"/../lists/./Animals.wdr"_s,
            u"it is one of the lists that come with Wordrow."_s, false},
        {Fault::SettingsUnreadable, week1,
            u"Wordrow could not read its settings, so it cannot tell whether this is the "
            u"startup list."_s,
            false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        // The chosen file is the start-up list: a delete would have sent the start-up elsewhere.
        QFile::remove(dir.filePath(u"wordrow.ini"_s));
        if (c.fault == Fault::SettingsUnreadable)
            ASSERT_TRUE(QDir(dir.path()).mkdir(u"wordrow.ini"_s));
        else
            writeSettings(c.chosen, false);
        files.failRemove = c.fault == Fault::Denied;
        files.removals.clear();
        messages.shown.clear();
        choose(c.chosen);
        messages.answers = {Answer::Yes};
        commands.deleteList();

        ASSERT_EQ(messages.shown.size(), 2);
        EXPECT_EQ(messages.shown[1].text, c.chosen + u" was not deleted: "_s + c.why);
        EXPECT_EQ(messages.shown[1].title, u"Delete Wordlist File"_s);
        EXPECT_EQ(messages.shown[1].icon, MessageBoxes::Icon::Information);
        EXPECT_FALSE(messages.shown[1].question);
        EXPECT_EQ(files.removals, c.removeTried ? QStringList{c.chosen} : QStringList());
        if (c.fault == Fault::SettingsUnreadable)
            QDir(dir.path()).rmdir(u"wordrow.ini"_s);
        else
            EXPECT_EQ(settings(), settingsFor(c.chosen, false));
        EXPECT_EQ(captions.startupList()->text(), untouched);
    }
    EXPECT_TRUE(QFile::exists(week1));
    EXPECT_TRUE(QFile::exists(animals));
}

TEST_F(FileCommandsTest, aListOfThePlayersOwnBesideTheProgramsFolderIsDeletedAsUsual)
{
    readyMadeLists();
    const QString own = dir.write(u"share/wordrow/lists-of-mine.wdr"_s, "\"CAT\"\r\n");
    choose(own);
    messages.answers = {Answer::Yes};
    commands.deleteList();
    EXPECT_FALSE(QFile::exists(own));
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(FileCommandsTest, findsTheReadyMadeListsBesideTheProgramInstalledAndInTheBuildTree)
{
    EXPECT_EQ(FileCommands::readyMadeListsDir(u"/usr/bin"_s), u"/usr/share/wordrow/lists"_s);
    EXPECT_EQ(FileCommands::readyMadeListsDir(u"/opt/wordrow/bin/"_s),
        u"/opt/wordrow/share/wordrow/lists"_s);
    EXPECT_TRUE(FileCommands::readyMadeListsDir(QString()).isEmpty());

    // The program of this build finds the repository's lists.
    const QDir built(FileCommands::readyMadeListsDir(QStringLiteral(WORDROW_PROGRAM_DIR)));
    const QStringList lists = QDir(QStringLiteral(WORDROW_READY_MADE_LISTS)).entryList(QDir::Files);
    EXPECT_FALSE(lists.isEmpty());
    EXPECT_EQ(built.entryList(QDir::Files), lists);
}

TEST_F(FileCommandsTest, theDialogsThatOpenAListOfferTheReadyMadeListsWhereTheyAre)
{
    commands.openList();
    files.program = dir.filePath(u"bin"_s);
    commands.openList(); // the program's folder is known, but no lists came with it
    const QString lists = readyMadeLists();
    commands.openList();
    commands.chooseStartupList();
    commands.deleteList();
    // Once the class has sent lists, they are offered too.
    const QString classLists = dir.filePath(u"class-lists"_s);
    ASSERT_TRUE(QDir(dir.path()).mkpath(classLists));
    commands.chooseStartupList();

    ASSERT_EQ(dialogs.opened.size(), 6);
    EXPECT_TRUE(dialogs.opened[0].sideBar.isEmpty());
    EXPECT_TRUE(dialogs.opened[1].sideBar.isEmpty());
    const QList<FileDialogs::SideBarFolder> offered = {{u"Ready-made lists"_s, lists}};
    EXPECT_EQ(dialogs.opened[2].sideBar, offered);
    EXPECT_EQ(dialogs.opened[3].sideBar, offered);
    // Deleting is no business of theirs.
    EXPECT_TRUE(dialogs.opened[4].sideBar.isEmpty());
    const QList<FileDialogs::SideBarFolder> both
        = {{u"Ready-made lists"_s, lists}, {u"Class lists"_s, classLists}};
    EXPECT_EQ(dialogs.opened[5].sideBar, both);
}

TEST_F(FileCommandsTest, showAndHideRewriteOnlyLineTwoAndSwapTheMenuStates)
{
    // Line 1 holds bytes that are not UTF-8: they must come back unchanged.
    const QByteArray line1 = "\"/home/\xe9l\xe8ve/week1.wdr\"\r\n";
    dir.write(u"wordrow.ini"_s, line1 + "#FALSE#\r\n");

    commands.setTitleScreenShown(false);
    EXPECT_EQ(settings(), line1 + "#TRUE#\r\n");
    EXPECT_TRUE(state.hideTitleScreen);
    EXPECT_TRUE(captions.hideTitleScreen()->isChecked());
    EXPECT_FALSE(captions.hideTitleScreen()->isEnabled());
    EXPECT_FALSE(captions.showTitleScreen()->isChecked());
    EXPECT_TRUE(captions.showTitleScreen()->isEnabled());

    commands.setTitleScreenShown(true);
    EXPECT_EQ(settings(), line1 + "#FALSE#\r\n");
    EXPECT_FALSE(state.hideTitleScreen);
    EXPECT_TRUE(captions.showTitleScreen()->isChecked());
    EXPECT_FALSE(captions.showTitleScreen()->isEnabled());
}

TEST_F(FileCommandsTest, aSettingThatCannotBeWrittenLeavesTheMenuOnTheSettingInForce)
{
    QFile::remove(dir.filePath(u"wordrow.ini"_s));
    QDir(dir.path()).mkdir(u"wordrow.ini"_s);
    commands.setTitleScreenShown(false);

    EXPECT_FALSE(state.hideTitleScreen);
    EXPECT_TRUE(captions.showTitleScreen()->isChecked());
    EXPECT_FALSE(captions.hideTitleScreen()->isChecked());
    EXPECT_TRUE(captions.hideTitleScreen()->isEnabled());
}

TEST_F(FileCommandsTest, theSoundsItemAlwaysOffersTheOppositeOfTheStateInForce)
{
    commands.toggleSounds();
    EXPECT_TRUE(state.soundsOff);
    EXPECT_EQ(captions.sounds()->text(), u"&Turn On Sounds"_s);
    commands.toggleSounds();
    EXPECT_FALSE(state.soundsOff);
    EXPECT_EQ(captions.sounds()->text(), u"&Turn Off Sounds"_s);
}

TEST_F(FileCommandsTest, closingAsksWhetherToQuitAndOnlyYesEndsTheProgram)
{
    messages.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(commands.confirmQuit());
    EXPECT_EQ(view.programEnds, 0);

    EXPECT_TRUE(commands.confirmQuit());
    EXPECT_EQ(view.programEnds, 1);

    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].text, u"Do you want to quit?"_s);
    EXPECT_EQ(messages.shown[0].title, u"Exit"_s);
    EXPECT_EQ(messages.shown[0].icon, MessageBoxes::Icon::Information);
    EXPECT_TRUE(messages.shown[0].question);
}
