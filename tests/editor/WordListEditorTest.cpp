#include "editor/WordListEditor.h"
#include "core/GameState.h"
#include "editor/FakeWordListEditorView.h"
#include "game/MenuCaptions.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeFileSystem.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeSpeaker.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <QAction>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Answer = MessageBoxes::Answer;
using Icon = MessageBoxes::Icon;

namespace {

const QString Reminder = u"The word must contain only letters, apostrophes ('), or hyphens (-)"_s;
const QString ExitQuestion = u"Do you want to Exit without saving your word list?"_s;

class WordListEditorTest : public ::testing::Test
{
protected:
    WordListEditorTest()
    {
        state.homeDir = dir.path();
        state.soundCardFound = true;
        state.words = {u"OLD", u"LIST"};
        view.model = &model;
        dir.write(u"wordrow.ini"_s, settingsBefore);
    }

    void add(const QString &typed)
    {
        view.type(typed);
        model.addWord();
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
        model.saveList();
    }
    QStringList listInPlay() const
    {
        QStringList words;
        for (qsizetype i = 0; i < state.words.size(); ++i)
            words.append(state.words.at(i).toString());
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
    GameState state;
    MenuCaptions captions;
    // As the window's menu first shows it, before any list is named.
    const QString startupCaption = captions.startupList()->text();
    bool captionsUntouched() const
    {
        return captions.title().isEmpty() && captions.startupList()->text() == startupCaption;
    }
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    FakeFileSystem files{u"/"_s};
    RecordingSoundPlayer player;
    ScriptedRandom random;
    FakeSpeaker speaker;
    FakeWordListEditorView view;
    WordListEditor model{
        state, view, captions, {messages, dialogs, files, player, random, speaker}};
};

} // namespace

TEST(WordListEditorWordCheck, acceptsTheGuessableCharactersInEitherCaseAsUpperCase)
{
    EXPECT_EQ(WordListEditor::acceptedWord(u"cat"_s), u"CAT"_s);
    EXPECT_EQ(WordListEditor::acceptedWord(u"don't"_s), u"DON'T"_s);
    EXPECT_EQ(WordListEditor::acceptedWord(u"X-ray"_s), u"X-RAY"_s);
    EXPECT_EQ(WordListEditor::acceptedWord(u"-"_s), u"-"_s);
    EXPECT_EQ(WordListEditor::acceptedWord(u"'"_s), u"'"_s);
    EXPECT_EQ(WordListEditor::acceptedWord(u"abcdefghijklmno"_s), u"ABCDEFGHIJKLMNO"_s);
}

TEST(WordListEditorWordCheck, refusesAnythingElseWithoutTrimming)
{
    for (const QString &typed : {u"ice cream"_s, u"cat "_s, u" cat"_s, u"r2d2"_s, u"ok!"_s,
             u"caf\u00e9"_s, u"\u201c"_s, u"cat\t"_s, u"\"cat\""_s}) {
        EXPECT_FALSE(WordListEditor::acceptedWord(typed)) << typed.toStdString();
    }
}

TEST(WordListEditorWordCheck, judgesTheUpperCasedWordWhichCanBeLonger)
{
    // Upper-casing turns each sharp s into two letters.
    EXPECT_EQ(WordListEditor::acceptedWord(u"stra\u00dfe"_s), u"STRASSE"_s);
    EXPECT_FALSE(WordListEditor::acceptedWord(QString(8, QChar(0xdf))));
    EXPECT_FALSE(WordListEditor::acceptedWord(u"abcdefghijklmn\u00df"_s));
}

TEST(WordListEditorListName, endsInTheListExtensionWhateverWasTyped)
{
    EXPECT_EQ(WordListEditor::withListSuffix(u"/d/mylist"_s), u"/d/mylist.wdr"_s);
    EXPECT_EQ(WordListEditor::withListSuffix(u"/d/week.1"_s), u"/d/week.1.wdr"_s);
    EXPECT_EQ(WordListEditor::withListSuffix(u"/d/WEEK.WDR"_s), u"/d/WEEK.WDR"_s);
    EXPECT_EQ(WordListEditor::withListSuffix(u"/d/listwdr"_s), u"/d/listwdr.wdr"_s);
}

TEST_F(WordListEditorTest, addingAWordListsItEmptiesTheBoxAndKeepsTheFocusThere)
{
    add(u"cat"_s);
    EXPECT_EQ(model.entries(), QStringList{u"CAT"_s});
    EXPECT_EQ(view.shownEntries, QStringList{u"CAT"_s});
    EXPECT_EQ(view.typed, QString());
    EXPECT_EQ(model.typed(), QString());
    EXPECT_EQ(view.typedFocused, 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(WordListEditorTest, aRefusedWordIsExplainedAndLeftSelectedInTheBox)
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

TEST_F(WordListEditorTest, anEmptyBoxAddsNothingAndSaysNothing)
{
    add(QString());
    EXPECT_TRUE(model.entries().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(view.typedFocused, 1);
}

TEST_F(WordListEditorTest, entriesStayInTheOrderAddedWithDuplicates)
{
    for (const QString &word : {u"dog"_s, u"cat"_s, u"dog"_s})
        add(word);
    EXPECT_EQ(model.entries(), (QStringList{u"DOG"_s, u"CAT"_s, u"DOG"_s}));
    EXPECT_EQ(view.shownEntries, model.entries());
}

TEST_F(WordListEditorTest, buttonsFollowTheNumberOfEntries)
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
    model.removeSelected();
    EXPECT_EQ(model.entries(), (QStringList{u"CAT"_s, u"EMU"_s, u"FOX"_s}));
    EXPECT_EQ(view.shownEntries, model.entries());
    EXPECT_FALSE(model.selection());
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_TRUE(view.removeEnabled);

    // Nothing selected after a removal: the next click removes nothing.
    model.removeSelected();
    EXPECT_EQ(model.entries().size(), 3);

    for (int i = 0; i < 3; ++i) {
        select(0);
        model.removeSelected();
    }
    EXPECT_TRUE(model.entries().isEmpty());
    EXPECT_FALSE(view.removeEnabled);
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_EQ(view.typedFocused, 9);
}

TEST_F(WordListEditorTest, aSelectionOutsideTheEntriesSelectsNothing)
{
    add(u"cat"_s);
    select(1);
    EXPECT_FALSE(model.selection());
    select(-1);
    model.removeSelected();
    EXPECT_EQ(model.entries().size(), 1);
}

TEST_F(WordListEditorTest, closingWithThreeEntriesAsksNothingAndPlaysTheSound)
{
    for (const QString &word : {u"cat"_s, u"dog"_s, u"emu"_s})
        add(word);
    model.requestExit();
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(player.played, QStringList{dir.path() + u"/Laser.wav"_s});
}

TEST_F(WordListEditorTest, closingWithFourUnsavedEntriesAsksFirst)
{
    addFour();
    messages.answers = {Answer::No};
    model.requestExit();
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
    model.requestExit();
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(player.played.size(), 1);
}

TEST_F(WordListEditorTest, theClosingSoundFollowsTheSoundSwitches)
{
    state.soundsOff = true;
    model.requestExit();
    state.soundsOff = false;
    state.soundCardFound = false;
    model.requestExit();
    EXPECT_TRUE(player.played.isEmpty());
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(WordListEditorTest, theSaveDialogOffersListsInTheHomeDirectory)
{
    addFour();
    model.saveList();
    ASSERT_EQ(dialogs.saved.size(), 1);
    const FileDialogs::Options &options = dialogs.saved[0];
    EXPECT_EQ(options.title, u"File Save As"_s);
    EXPECT_EQ(options.nameFilters, QStringList{u"Wordrow Files(*.wdr)"_s});
    EXPECT_EQ(options.defaultSuffix, u"wdr"_s);
    EXPECT_EQ(options.startFolder, dir.path());
    EXPECT_EQ(options.fileName, QString());
    EXPECT_TRUE(options.confirmOverwrite);
    EXPECT_FALSE(options.fileMustExist);

    // Cancelled: nothing happened and the editor waits.
    EXPECT_FALSE(view.closed);
    EXPECT_FALSE(model.listSaved());
    EXPECT_EQ(view.typedFocused, 5);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"wordrow.ini"_s});
}

TEST_F(WordListEditorTest, saveDoesNothingBeforeTheFourthEntry)
{
    for (const QString &word : {u"cat"_s, u"dog"_s, u"emu"_s})
        add(word);
    model.saveList();
    EXPECT_TRUE(dialogs.saved.isEmpty());
    EXPECT_FALSE(view.closed);
}

TEST_F(WordListEditorTest, aSaveWithBothChoicesNoWritesTheFileOnly)
{
    addFour();
    saveAs(u"mylist"_s);
    EXPECT_EQ(dir.read(u"mylist.wdr"_s), "\"CAT\"\r\n\"DOG\"\r\n\"EMU\"\r\n\"FOX\"\r\n");
    EXPECT_TRUE(model.listSaved());
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_EQ(listInPlay(), (QStringList{u"OLD"_s, u"LIST"_s}));
    EXPECT_TRUE(captionsUntouched());
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settingsBefore);
}

TEST_F(WordListEditorTest, aSaveWithLoadNowPutsExactlyTheEntriesInPlay)
{
    for (const QString &word : {u"zebra"_s, u"ant"_s, u"ant"_s, u"yak"_s, u"emu"_s})
        add(word);
    view.model->setLoadNow(true);
    saveAs(u"Week 3.wdr"_s);
    const QString path = dir.filePath(u"Week 3.wdr"_s);
    EXPECT_EQ(listInPlay(), (QStringList{u"ZEBRA"_s, u"ANT"_s, u"ANT"_s, u"YAK"_s, u"EMU"_s}));
    EXPECT_EQ(captions.title(), u"Wordrow - by Quilbyte:  "_s + path);
    EXPECT_EQ(captions.currentList()->text(), u"(Currently: "_s + path + u')');
    EXPECT_EQ(captions.startupList()->text(), startupCaption);
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settingsBefore);
    EXPECT_TRUE(view.closed);
}

TEST_F(WordListEditorTest, aSaveWithMakeStartupRecordsTheListAndKeepsTheTitleScreenSetting)
{
    state.hideTitleScreen = true;
    addFour();
    model.setMakeStartup(true);
    saveAs(u"week.1"_s);
    const QString path = dir.filePath(u"week.1.wdr"_s);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), "\"" + QFile::encodeName(path) + "\"\r\n#TRUE#\r\n");
    EXPECT_EQ(captions.startupList()->text(), u"(Currently: "_s + path + u')');
    EXPECT_EQ(listInPlay(), (QStringList{u"OLD"_s, u"LIST"_s}));
    EXPECT_EQ(captions.title(), QString());
    EXPECT_TRUE(view.closed);
}

TEST_F(WordListEditorTest, anExistingNameInAnyLetterCaseIsRefusedAndKeptAsItWas)
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
    EXPECT_FALSE(model.listSaved());
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(view.typedFocused, focusedBefore);

    // The player tries again with a free name.
    saveAs(u"spelling2"_s);
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(listInPlay(), (QStringList{u"CAT"_s, u"DOG"_s, u"EMU"_s, u"FOX"_s}));
}

TEST_F(WordListEditorTest, aFailedWriteIsSaidOnceAndLosesNothing)
{
    addFour();
    model.setLoadNow(true);
    model.setMakeStartup(true);
    dialogs.choices.append(dir.filePath(u"no such folder/list.wdr"_s));
    model.saveList();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"could not save the list"_s));
    EXPECT_EQ(model.entries().size(), 4);
    EXPECT_FALSE(model.listSaved());
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(listInPlay(), (QStringList{u"OLD"_s, u"LIST"_s}));
    EXPECT_TRUE(captionsUntouched());
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settingsBefore);

    // Leaving now would lose the words: the editor asks.
    model.requestExit();
    EXPECT_EQ(boxTitles(), (QStringList{u"Save List"_s, u"Exit Word List"_s}));
}

TEST_F(WordListEditorTest, aSettingsFileThatCannotBeWrittenKeepsWhatIsDoneAndTheListCountsAsSaved)
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
    EXPECT_EQ(captions.title(), u"Wordrow - by Quilbyte:  "_s + path);
    EXPECT_EQ(captions.startupList()->text(), startupCaption);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"could not make it the startup list"_s));
    EXPECT_FALSE(view.closed);

    // The list is on disk: leaving asks nothing.
    EXPECT_TRUE(model.listSaved());
    model.requestExit();
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(WordListEditorTest, aWordAddedAfterThePartialSaveCountsAsUnsavedAgain)
{
    QFile::remove(dir.filePath(u"wordrow.ini"_s));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"wordrow.ini"_s));
    addFour();
    model.setMakeStartup(true);
    saveAs(u"week"_s);
    ASSERT_TRUE(model.listSaved());
    add(u"gnu"_s);
    EXPECT_FALSE(model.listSaved());
    model.requestExit();
    EXPECT_EQ(boxTitles(), (QStringList{u"Save List"_s, u"Exit Word List"_s}));
}

TEST_F(WordListEditorTest, aPastedListAddsEachWordAsTypedAndReportsWhatWasLeftOut)
{
    add(u"cat"_s);
    EXPECT_FALSE(model.pasteText(u"dog\n"_s)) << "one word is the box's to paste";
    ASSERT_TRUE(
        model.pasteText(u"dog, Emu\r\nincomprehensible\nice cream;caf\u00e9\nCAT\tdog\nfox"_s));
    EXPECT_EQ(model.entries(), (QStringList{u"CAT"_s, u"DOG"_s, u"EMU"_s, u"FOX"_s}));
    EXPECT_EQ(view.shownEntries, model.entries());
    EXPECT_TRUE(view.saveEnabled);
    ASSERT_EQ(messages.shown.size(), 1);
    const QStringList lines = messages.shown[0].text.split(u'\n');
    EXPECT_EQ(lines.value(0), u"3 words were added to the list."_s);
    EXPECT_EQ(lines.mid(3),
        (QStringList{u"Line 2: \"incomprehensible\" is longer than 15 characters."_s,
            u"Line 3: \"ice cream\" may contain only letters, apostrophes (') and hyphens (-)."_s,
            u"Line 3: \"caf\u00e9\" may contain only letters, apostrophes (') and hyphens (-)."_s,
            u"Line 4: \"CAT\" is already in the list."_s,
            u"Line 4: \"dog\" is already in the list."_s}));
    // Leaving now would lose the pasted words.
    model.requestExit();
    EXPECT_EQ(messages.shown.last().text, ExitQuestion);
}

TEST_F(WordListEditorTest, aCurledApostropheOfAnImportedOrPastedWordIsTheGamesApostrophe)
{
    const struct
    {
        QByteArray bytes;
        QString entry;
    } cases[]{
        {"don\xE2\x80\x99t\nx", u"DON'T"_s}, {"\xE2\x80\x98tis\nx", u"'TIS"_s},
        {"o\xCA\xBC\nx", u"O'"_s}, {"rock\x92n\nx", u"ROCK'N"_s}, // Windows-1252
    };
    for (const auto &c : cases) {
        model.importFile(dir.write(u"curled.txt"_s, c.bytes));
        EXPECT_TRUE(model.entries().contains(c.entry)) << c.bytes.constData();
    }
    EXPECT_EQ(WordListEditor::acceptedWord(u"don\u2019t"_s), u"DON'T"_s) << "pasted in the box";
}

TEST_F(WordListEditorTest, importingAFileAddsItsWordsAndAFileThatIsNoListChangesNothing)
{
    dialogs.choices
        = {dir.write(u"week.csv"_s, "word,meaning\r\n\"Ant\",insect\r\nbee,\"x, y\"\r\n"),
            dir.write(u"photo.txt"_s, QByteArray("\x89PNG\0\0", 6)), std::nullopt};
    model.importList();
    ASSERT_EQ(dialogs.opened.size(), 1);
    EXPECT_TRUE(dialogs.opened[0].fileMustExist);
    EXPECT_EQ(model.entries(), (QStringList{u"ANT"_s, u"BEE"_s}));
    EXPECT_EQ(messages.shown.value(0).text, u"2 words were added to the list."_s);

    model.importList();
    model.importList();
    EXPECT_EQ(model.entries(), (QStringList{u"ANT"_s, u"BEE"_s}));
    ASSERT_EQ(messages.shown.size(), 2) << "a cancelled dialog says nothing";
    EXPECT_TRUE(messages.shown[1].text.startsWith(u"photo.txt is not a word list"_s));
    EXPECT_TRUE(messages.shown[1].text.endsWith(u"Nothing was imported."_s));
}

TEST_F(WordListEditorTest, sentencesGoWithTheirWordsIntoTheFilesAndComeBackWithTheList)
{
    addFour();
    model.setSentence(u"No word selected."_s);
    EXPECT_FALSE(view.sentenceEditable);
    select(1);
    EXPECT_TRUE(view.sentenceEditable);
    model.setSentence(u"  The dog barked.  "_s);
    select(3);
    model.setSentence(u"A red tail.\tTab"_s);
    EXPECT_TRUE(view.sentenceNote.startsWith(u"Not kept"_s));
    model.setSentence(u"A red tail."_s);
    EXPECT_TRUE(view.sentenceNote.contains(u"does not contain the word FOX"_s));
    select(0);
    model.setSentence(u"The cat sat."_s);
    select(0);
    model.removeSelected();
    EXPECT_TRUE(view.sentence.isEmpty());
    EXPECT_EQ(model.sentences(), (QStringList{u"The dog barked."_s, QString(), u"A red tail."_s}));
    ASSERT_TRUE(model.pasteText(u"gnu\tA gnu ran by.\nhen\tThe hen laid an egg.\n"_s));
    EXPECT_EQ(messages.shown.last().text,
        u"2 words were added to the list. 2 sentences came with them."_s);

    model.setLoadNow(true);
    saveAs(u"week"_s);
    // The list file is as it always was; the sentences lie beside it.
    EXPECT_EQ(dir.read(u"week.wdr"_s), "\"DOG\"\r\n\"EMU\"\r\n\"FOX\"\r\n\"GNU\"\r\n\"HEN\"\r\n");
    EXPECT_EQ(dir.read(u"week.sentences.tsv"_s),
        "Word\tSentence\r\nDOG\tThe dog barked.\r\nFOX\tA red tail.\r\nGNU\tA gnu ran by.\r\n"
        "HEN\tThe hen laid an egg.\r\n");
    EXPECT_EQ(state.sentences.of(u"dog"), u"The dog barked."_s);
    EXPECT_EQ(state.sentences.size(), 4);

    // Imported into another list, a list brings its sentences along.
    FakeWordListEditorView otherView;
    WordListEditor other{
        state, otherView, captions, {messages, dialogs, files, player, random, speaker}};
    otherView.model = &other;
    other.importFile(dir.filePath(u"week.wdr"_s));
    EXPECT_EQ(other.sentences().value(3), u"A gnu ran by."_s);

    // A list saved without sentences takes none from a table left there before.
    dir.write(u"plain.sentences.tsv"_s, "Word\tSentence\r\nCAT\tThe cat sat.\r\n");
    for (int i = 0; i < 5; ++i) {
        other.setSelection(i);
        other.setSentence(QString());
    }
    dialogs.choices.append(dir.filePath(u"plain"_s));
    other.saveList();
    EXPECT_FALSE(QFile::exists(dir.filePath(u"plain.sentences.tsv"_s)));
}
