#include "editor/WordListEditorDialog.h"
#include "faults/FaultFixture.h"
#include "game/FileCommands.h"
#include "game/MenuCaptions.h"
#include "ui/FileExport.h"
#include "windows/TitleScreenDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

using Answer = MessageBoxes::Answer;

const QByteArray GameList = "\"CAT\"\r\n\"DOG\"\r\n\"EMU\"\r\n";

class DiskFaultTest : public MountedHomeFixture
{
protected:
    // The home folder as a player leaves it: a list and settings without the title screen.
    void writeHome()
    {
        writeHomeFile(u"wordrow.wdr"_s, GameList);
        writeHomeFile(u"wordrow.ini"_s, settingsNaming(home + u"/wordrow.wdr"_s, true));
    }
    static QByteArray settingsNaming(const QString &list, bool hide)
    {
        return '"' + list.toUtf8() + "\"\r\n" + (hide ? "#TRUE#" : "#FALSE#") + "\r\n";
    }
    void closeTitleScreen(bool tickHide)
    {
        TitleScreenDialog *splash = window->titleScreen();
        ASSERT_TRUE(splash);
        splash->findChild<QCheckBox *>(u"chkHideSplash"_s)->setChecked(tickHide);
        QTest::mouseClick(splash->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->isVisible(); }));
    }
    void expectTitleScreenSetting(bool hide)
    {
        EXPECT_EQ(state.hideTitleScreen, hide);
        EXPECT_EQ(window->menuCaptions().hideTitleScreen()->isChecked(), hide);
        EXPECT_EQ(window->menuCaptions().hideTitleScreen()->isEnabled(), !hide);
        EXPECT_EQ(window->menuCaptions().showTitleScreen()->isChecked(), !hide);
    }
    WordListEditorDialog *editorWithWords(const QStringList &words)
    {
        window->showWordListEditor();
        WordListEditorDialog *editor = window->wordListEditor();
        EXPECT_TRUE(editor);
        if (!editor)
            return nullptr;
        for (const QString &word : words) {
            QTest::keyClicks(editor->findChild<QLineEdit *>(u"txtWord"_s), word);
            QTest::keyClick(editor->findChild<QLineEdit *>(u"txtWord"_s), Qt::Key_Return);
        }
        EXPECT_EQ(editor->findChild<QListWidget *>(u"lstWords"_s)->count(), words.size());
        return editor;
    }
    void save(WordListEditorDialog *editor, const QString &name)
    {
        dialogs.choices.append(home + u'/' + name);
        QTest::mouseClick(editor->findChild<QPushButton *>(u"cmdSave"_s), Qt::LeftButton);
    }
};

TEST_F(DiskFaultTest, anEmptyHomeThatCannotBeWrittenPlaysTheBuiltInWordsAndSavesNothing)
{
    ASSERT_TRUE(PrivateMounts::remountReadOnly(home));
    start();

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.startsWith(u"Wordrow cannot save files in "_s + home));
    EXPECT_EQ(state.words.size(), 463);
    EXPECT_EQ(window->windowTitle(), MenuCaptions::windowTitle(u"built-in words"_s));

    // Nothing can record the title screen's box, yet the game comes up.
    closeTitleScreen(true);
    expectTitleScreenSetting(false);
    window->menuCaptions().hideTitleScreen()->trigger();
    expectTitleScreenSetting(false);

    // A list elsewhere still loads, but cannot become the start-up list.
    const QString other = dir.write(u"other.wdr"_s, GameList);
    const QString startupCaption = caption(window->menuCaptions().startupList());
    setStartupList(other);
    EXPECT_EQ(caption(window->menuCaptions().startupList()), startupCaption);
    loadList(other);
    EXPECT_EQ(wordsInPlay(), QStringList({u"CAT"_s, u"DOG"_s, u"EMU"_s}));

    EXPECT_EQ(homeEntries(), QStringList());
    EXPECT_EQ(messages.shown.size(), 1);
    expectPlayable();
}

TEST_F(DiskFaultTest, aHomeThatCannotBeWrittenKeepsItsFilesAndTheEditorsWords)
{
    writeHome();
    const QByteArray settings = homeFile(u"wordrow.ini"_s);
    ASSERT_TRUE(PrivateMounts::remountReadOnly(home));
    start();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(wordsInPlay(), QStringList({u"CAT"_s, u"DOG"_s, u"EMU"_s}));

    window->menuCaptions().showTitleScreen()->trigger();
    expectTitleScreenSetting(true);

    // Deleting fails; the list stays the start-up list.
    messages.answers.append(Answer::Yes);
    dialogs.choices.append(home + u"/wordrow.wdr"_s);
    action(u"&Delete..."_s)->trigger();
    EXPECT_EQ(homeFile(u"wordrow.wdr"_s), GameList);

    WordListEditorDialog *editor = editorWithWords({u"ant"_s, u"bee"_s, u"cow"_s, u"dog"_s});
    ASSERT_TRUE(editor);
    QTest::mouseClick(editor->findChild<QRadioButton *>(u"optDefaultYes"_s), Qt::LeftButton);
    save(editor, u"animals"_s);
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_EQ(messages.shown.last().text,
        u"Wordrow could not save the list as "_s + home
            + u"/animals.wdr.  Your words are still here, so you can try another name or folder."_s);
    EXPECT_EQ(editor->findChild<QListWidget *>(u"lstWords"_s)->count(), 4);
    EXPECT_TRUE(window->wordListEditor());

    EXPECT_EQ(homeEntries(), QStringList({u"wordrow.ini"_s, u"wordrow.wdr"_s}));
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), settings);
    expectPlayable();
}

TEST_F(DiskFaultTest, aFullDiskLeavesTheSettingsAsTheyWere)
{
    start();
    closeTitleScreen(false);
    const QByteArray settings = homeFile(u"wordrow.ini"_s);
    fillDisk();

    window->menuCaptions().hideTitleScreen()->trigger();
    expectTitleScreenSetting(false);
    const QString startupCaption = caption(window->menuCaptions().startupList());
    setStartupList(dir.write(u"other.wdr"_s, GameList));
    EXPECT_EQ(caption(window->menuCaptions().startupList()), startupCaption);

    EXPECT_EQ(homeFile(u"wordrow.ini"_s), settings);
    EXPECT_EQ(playerFiles(), QStringList({u"wordrow.ini"_s, u"wordrow.wdr"_s}));
    EXPECT_TRUE(messages.shown.isEmpty());

    // With room again, the same choice is recorded.
    freeDisk();
    window->menuCaptions().hideTitleScreen()->trigger();
    expectTitleScreenSetting(true);
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), settingsNaming(home + u"/wordrow.wdr"_s, true));
    expectPlayable();
}

TEST_F(DiskFaultTest, aFullDiskWhenTheTitleScreenClosesStillShowsTheGame)
{
    start();
    const QByteArray settings = homeFile(u"wordrow.ini"_s);
    fillDisk();
    closeTitleScreen(true);

    expectTitleScreenSetting(false);
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), settings);
    EXPECT_EQ(playerFiles(), QStringList({u"wordrow.ini"_s, u"wordrow.wdr"_s}));
    expectPlayable();
}

TEST_F(DiskFaultTest, aFullDiskDuringAnEditorSaveWritesNoFileAndKeepsTheWords)
{
    writeHome();
    start();
    WordListEditorDialog *editor = editorWithWords({u"ant"_s, u"bee"_s, u"cow"_s, u"dog"_s});
    ASSERT_TRUE(editor);
    QTest::mouseClick(editor->findChild<QRadioButton *>(u"optDefaultYes"_s), Qt::LeftButton);
    fillDisk();

    save(editor, u"animals"_s);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.startsWith(u"Wordrow could not save the list as "_s));
    EXPECT_EQ(playerFiles(), QStringList({u"wordrow.ini"_s, u"wordrow.wdr"_s}));
    EXPECT_EQ(editor->findChild<QListWidget *>(u"lstWords"_s)->count(), 4);

    // Leaving asks, since the words are nowhere else.
    messages.answers.append(Answer::No);
    QTest::mouseClick(editor->findChild<QPushButton *>(u"cmdExit"_s), Qt::LeftButton);
    EXPECT_EQ(messages.shown.last().text, u"Do you want to Exit without saving your word list?"_s);
    EXPECT_TRUE(window->wordListEditor());
    expectPlayable();
}

// The exports of the progress window, the class view and the spelling test all write here.
TEST_F(DiskFaultTest, aFullDiskDuringAnExportSaysWhyAndLeavesNoHalfFile)
{
    writeHomeFile(u"progress.csv"_s, "old");
    fillDisk();
    const QString csv = home + u"/progress.csv"_s;
    const QString pdf = home + u"/progress.pdf"_s;
    const FileExport::Failure failures[]{
        FileExport::writeBytes(csv, QByteArray(64 * 1024, 'x')),
        FileExport::writePdf(pdf, u"<p>"_s + QString(4000, u'x') + u"</p>"_s, u"Progress"_s),
    };
    for (const FileExport::Failure &failure : failures) {
        ASSERT_TRUE(failure);
        EXPECT_TRUE(failure->contains(u": No space left on device. Nothing was saved."_s))
            << failure->toStdString();
    }
    EXPECT_EQ(homeFile(u"progress.csv"_s), "old");
    EXPECT_EQ(homeEntries().filter(u"progress"_s), QStringList{u"progress.csv"_s});
}

TEST_F(DiskFaultTest, roomForTheListButNotForTheSettingsSavesTheListAndSaysSo)
{
    writeHome();
    const QByteArray settings = homeFile(u"wordrow.ini"_s);
    start();
    WordListEditorDialog *editor = editorWithWords({u"ant"_s, u"bee"_s, u"cow"_s, u"dog"_s});
    ASSERT_TRUE(editor);
    QTest::mouseClick(editor->findChild<QRadioButton *>(u"optDefaultYes"_s), Qt::LeftButton);
    fillDisk(true);

    save(editor, u"animals"_s);
    EXPECT_EQ(homeFile(u"animals.wdr"_s), "\"ANT\"\r\n\"BEE\"\r\n\"COW\"\r\n\"DOG\"\r\n");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"could not make it the startup list"_s));
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), settings);
    EXPECT_EQ(caption(window->menuCaptions().startupList()),
        MenuCaptions::currentlyCaption(home + u"/wordrow.wdr"_s));
    EXPECT_EQ(playerFiles(), QStringList({u"animals.wdr"_s, u"wordrow.ini"_s, u"wordrow.wdr"_s}));
    expectPlayable();
}

// No mount needed: the settings file goes while the program runs.
class SettingsRemovedTest : public FaultFixture
{
};

TEST_F(SettingsRemovedTest, hideAndShowThenWriteSettingsNamingTheDefaultList)
{
    writeHomeFile(u"wordrow.wdr"_s, GameList);
    const QString mine = writeHomeFile(u"mine.wdr"_s, "\"OWL\"\r\n\"YAK\"\r\n");
    writeHomeFile(u"wordrow.ini"_s, '"' + mine.toUtf8() + "\"\r\n#TRUE#\r\n");
    start();
    ASSERT_EQ(wordsInPlay(), QStringList({u"OWL"_s, u"YAK"_s}));

    ASSERT_TRUE(QFile::remove(home + u"/wordrow.ini"_s));
    window->menuCaptions().showTitleScreen()->trigger();
    const QString defaultList = home + u"/wordrow.wdr"_s;
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), '"' + defaultList.toUtf8() + "\"\r\n#FALSE#\r\n");
    EXPECT_FALSE(state.hideTitleScreen);
    EXPECT_EQ(
        caption(window->menuCaptions().startupList()), MenuCaptions::currentlyCaption(defaultList));

    // An emptied file is treated alike.
    writeHomeFile(u"wordrow.ini"_s, QByteArray());
    window->menuCaptions().hideTitleScreen()->trigger();
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), '"' + defaultList.toUtf8() + "\"\r\n#TRUE#\r\n");
    EXPECT_TRUE(state.hideTitleScreen);

    // The list in play was never the file's business.
    EXPECT_EQ(wordsInPlay(), QStringList({u"OWL"_s, u"YAK"_s}));
    EXPECT_TRUE(messages.shown.isEmpty());
    expectPlayable();
}

TEST_F(SettingsRemovedTest, theTitleScreensCloseWritesSettingsNamingTheDefaultList)
{
    start();
    ASSERT_TRUE(window->isTitleScreenOpen());
    ASSERT_TRUE(QFile::remove(home + u"/wordrow.ini"_s));

    TitleScreenDialog *splash = window->titleScreen();
    splash->findChild<QCheckBox *>(u"chkHideSplash"_s)->setChecked(true);
    QTest::mouseClick(splash->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->isVisible(); }));

    const QString defaultList = home + u"/wordrow.wdr"_s;
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), '"' + defaultList.toUtf8() + "\"\r\n#TRUE#\r\n");
    EXPECT_TRUE(state.hideTitleScreen);
    EXPECT_TRUE(window->menuCaptions().hideTitleScreen()->isChecked());
    expectPlayable();
}

} // namespace
