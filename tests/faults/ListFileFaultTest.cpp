#include "editor/WordListEditorDialog.h"
#include "faults/FaultFixture.h"
#include "game/FileCommands.h"
#include "game/MenuCaptions.h"
#include "windows/TitleScreenDialog.h"
#include "wordlists/WordListFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <atomic>
#include <cstdio>
#include <random>
#include <sys/stat.h>
#include <thread>

namespace {

using Answer = MessageBoxes::Answer;

const QByteArray GameList = "\"CAT\"\r\n\"DOG\"\r\n\"EMU\"\r\n";
const QStringList GameWords{u"CAT"_s, u"DOG"_s, u"EMU"_s};

class ListFileFaultTest : public FaultFixture
{
protected:
    void startWithGameList(const QString &startupList = QString())
    {
        writeHomeFile(u"wordrow.wdr"_s, GameList);
        const QString list = startupList.isEmpty() ? home + u"/wordrow.wdr"_s : startupList;
        writeHomeFile(u"wordrow.ini"_s, '"' + QFile::encodeName(list) + "\"\r\n#TRUE#\r\n");
        start();
    }
    // A load that fails leaves everything of the list in play as it was.
    void expectListInPlayKept(const QString &name)
    {
        EXPECT_EQ(wordsInPlay(), GameWords) << name.toStdString();
        EXPECT_EQ(window->windowTitle(), MenuCaptions::windowTitle(home + u"/wordrow.wdr"_s));
        EXPECT_EQ(caption(window->menuCaptions().currentList()),
            MenuCaptions::currentlyCaption(home + u"/wordrow.wdr"_s));
    }
    QString makeFifo(const QString &name) const
    {
        const QString path = home + u'/' + name;
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        return path;
    }
    // A file of the given size made of one chunk over and over.
    QString writeLarge(const QString &name, const QByteArray &chunk, qint64 size) const
    {
        QFile file(home + u'/' + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        for (qint64 written = 0; written < size; written += chunk.size())
            file.write(chunk);
        return file.fileName();
    }
    void clickAllLetters()
    {
        for (int i = 0; i < GameRound::LetterCount; ++i) {
            if (window->letterButton(i)->isEnabled())
                QTest::mouseClick(window->letterButton(i), Qt::LeftButton);
        }
    }
};

TEST_F(ListFileFaultTest, aFolderOrAFifoInPlaceOfAListIsPassedOverWithoutWaiting)
{
    startWithGameList();
    ASSERT_TRUE(QDir(home).mkdir(u"folder.wdr"_s));
    const QString fifo = makeFifo(u"pipe.wdr"_s);

    // A FIFO opened for reading would wait for a writer that never comes: the test would hang.
    for (const QString &path : QStringList{home + u"/folder.wdr"_s, fifo}) {
        loadList(path);
        expectListInPlayKept(path);
    }
    EXPECT_TRUE(messages.shown.isEmpty());
    expectPlayable();
}

TEST_F(ListFileFaultTest, aStartupListThatIsAFolderOrAFifoFallsBackToTheDefaultList)
{
    for (const QString &name : {u"folder.wdr"_s, u"pipe.wdr"_s}) {
        SCOPED_TRACE(name.toStdString());
        const QString path = home + u'/' + name;
        if (name == u"folder.wdr"_s)
            ASSERT_TRUE(QDir(home).mkdir(name));
        else
            makeFifo(name);
        quit();
        messages.shown.clear();
        startWithGameList(path);
        EXPECT_EQ(wordsInPlay(), GameWords);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text,
            u"The start-up list "_s + path + u" could not be loaded.  Wordrow is using "_s + home
                + u"/wordrow.wdr instead."_s);
        EXPECT_EQ(
            caption(window->menuCaptions().startupList()), MenuCaptions::currentlyCaption(path));
        expectPlayable();
    }
}

TEST_F(ListFileFaultTest, theDefaultListBeingAFolderLeavesTheBuiltInWordsInPlay)
{
    ASSERT_TRUE(QDir(home).mkdir(u"wordrow.wdr"_s));
    start();
    EXPECT_EQ(state.words.size(), 463);
    EXPECT_EQ(window->windowTitle(), MenuCaptions::windowTitle(u"built-in words"_s));
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_EQ(messages.shown.last().text,
        u"The start-up list "_s + home
            + u"/wordrow.wdr could not be loaded.  Wordrow is using built-in words instead."_s);
    ASSERT_TRUE(window->isTitleScreenOpen());
    QTest::mouseClick(window->titleScreen()->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->isVisible(); }));
    expectPlayable();
}

TEST_F(ListFileFaultTest, hugeListsLoadTheirFirstWordsOrAreRefusedKeepingTheListInPlay)
{
    startWithGameList();
    constexpr qint64 HundredMegabytes = 100 * 1024 * 1024;

    // 100 MB without a single separator: one item, far too long to be a word.
    const QString unbroken
        = writeLarge(u"unbroken.wdr"_s, QByteArray(64 * 1024, 'A'), HundredMegabytes);
    loadList(unbroken);
    expectListInPlayKept(unbroken);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text,
        unbroken
            + u" holds no word of 1 to 15 characters, so Wordrow cannot play it.  The list in play stays as it was."_s);
    QFile::remove(unbroken);

    // Beyond any list: refused before it is read, as any unreadable file.
    const QString beyond = home + u"/beyond.wdr"_s;
    {
        QFile file(beyond);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(WordListFile::MaxFileSize + 1)); // sparse: takes no disk
    }
    loadList(beyond);
    expectListInPlayKept(beyond);
    EXPECT_EQ(messages.shown.size(), 1);
    QFile::remove(beyond);

    // 100 MB of words: the first 32,767 are the list.
    const QString words = writeLarge(
        u"words.wdr"_s, QByteArray("\"OWL\"\r\n\"YAK\"\r\n").repeated(4096), HundredMegabytes);
    loadList(words);
    ASSERT_EQ(state.words.size(), WordListFile::MaxWords);
    EXPECT_EQ(state.words.at(0), u"OWL"_s);
    EXPECT_EQ(state.words.at(32766), u"OWL"_s);
    EXPECT_EQ(window->windowTitle(), MenuCaptions::windowTitle(words));
    QFile::remove(words);
    expectPlayable();
}

TEST_F(ListFileFaultTest, binaryGarbageLoadsOnlyWhatFitsAndEveryRoundStillEnds)
{
    startWithGameList();
    std::mt19937 bytesFrom(20261207);
    QByteArray garbage(1024 * 1024, Qt::Uninitialized);
    for (char &byte : garbage)
        byte = char(bytesFrom() & 0xff);
    const QString path = writeHomeFile(u"garbage.wdr"_s, garbage);

    loadList(path);
    ASSERT_GT(state.words.size(), 0);
    for (const QString &word : wordsInPlay())
        ASSERT_LE(word.size(), WordListFile::MaxWordLength);

    // Words of any characters: each round ends once every letter is used, lost or won.
    for (int round = 0; round < 40; ++round) {
        expectPlayable();
        clickAllLetters();
        const int picture = window->round().gallowsPicture();
        EXPECT_TRUE(picture == 7 || picture == 8) << picture;
        EXPECT_LE(window->round().misses(), 6);
        EXPECT_LE(window->round().hits(), window->round().word().size());
        for (int i = 0; i < GameRound::LetterCount; ++i)
            ASSERT_FALSE(window->letterButton(i)->isEnabled());
    }
}

TEST_F(ListFileFaultTest, pathsWithOtherThanAsciiCharactersRoundTripThroughTheSettings)
{
    setHome(u"Wörter für Kinder ✓ 字"_s);
    start(); // a first start
    ASSERT_TRUE(messages.shown.isEmpty());
    const QString defaultList = home + u"/wordrow.wdr"_s;
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), '"' + defaultList.toUtf8() + "\"\r\n#FALSE#\r\n");
    EXPECT_EQ(window->windowTitle(), MenuCaptions::windowTitle(defaultList));
    QTest::mouseClick(window->titleScreen()->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->isVisible(); }));

    const QString list = writeHomeFile(u"Übungsliste €.wdr"_s, "\"ÄRGER\"\r\n\"ÉTÉ\"\r\n");
    loadList(list);
    EXPECT_EQ(wordsInPlay(), QStringList({u"ÄRGER"_s, u"ÉTÉ"_s}));
    EXPECT_EQ(window->windowTitle(), MenuCaptions::windowTitle(list));
    setStartupList(list);
    EXPECT_EQ(caption(window->menuCaptions().startupList()), MenuCaptions::currentlyCaption(list));

    restart();
    EXPECT_EQ(wordsInPlay(), QStringList({u"ÄRGER"_s, u"ÉTÉ"_s}));
    EXPECT_EQ(window->windowTitle(), MenuCaptions::windowTitle(list));
    EXPECT_TRUE(messages.shown.isEmpty());
    QTest::mouseClick(window->titleScreen()->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->isVisible(); }));
    expectPlayable();
}

TEST_F(ListFileFaultTest, aHomeWithADoubleQuoteGetsSettingsThatStillWork)
{
    setHome(u"say \"cheese\""_s);
    start();
    // The home's path cannot stand between quotes: an empty first line names the same list.
    EXPECT_TRUE(messages.shown.isEmpty()) << messageTexts().join(u'|').toStdString();
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), "\"\"\r\n#FALSE#\r\n");
    EXPECT_EQ(state.words.size(), 463);
    EXPECT_EQ(window->windowTitle(), MenuCaptions::windowTitle(u"wordrow.wdr"_s));

    TitleScreenDialog *splash = window->titleScreen();
    ASSERT_TRUE(splash);
    splash->findChild<QCheckBox *>(u"chkHideSplash"_s)->setChecked(true);
    QTest::mouseClick(splash->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->isVisible(); }));
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), "\"\"\r\n#TRUE#\r\n");

    // A list whose path holds a quote plays, but is never written into the settings.
    const QString quoted = writeHomeFile(u"our \"best\".wdr"_s, GameList);
    loadList(quoted);
    EXPECT_EQ(wordsInPlay(), GameWords);
    setStartupList(quoted);
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), "\"\"\r\n#TRUE#\r\n");
    EXPECT_EQ(caption(window->menuCaptions().startupList()),
        MenuCaptions::currentlyCaption(u"wordrow.wdr"_s));

    // Deleting the default list, then starting again, brings it back.
    messages.answers.append(Answer::Yes);
    dialogs.choices.append(home + u"/wordrow.wdr"_s);
    action(u"&Delete..."_s)->trigger();
    EXPECT_FALSE(QFile::exists(home + u"/wordrow.wdr"_s));
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), "\"\"\r\n#TRUE#\r\n");
    messages.shown.clear();
    restart();
    EXPECT_EQ(state.words.size(), 463);
    EXPECT_TRUE(messages.shown.isEmpty());
    expectPlayable();
}

TEST_F(ListFileFaultTest, aSavedListWithADoubleQuoteInItsNameIsKeptButNotMadeTheStartupList)
{
    startWithGameList();
    const QByteArray settings = homeFile(u"wordrow.ini"_s);
    window->showWordListEditor();
    WordListEditorDialog *editor = window->wordListEditor();
    ASSERT_TRUE(editor);
    for (const QString &word : {u"ant"_s, u"bee"_s, u"cow"_s, u"dog"_s}) {
        QTest::keyClicks(editor->findChild<QLineEdit *>(u"txtWord"_s), word);
        QTest::keyClick(editor->findChild<QLineEdit *>(u"txtWord"_s), Qt::Key_Return);
    }
    QTest::mouseClick(editor->findChild<QRadioButton *>(u"optDefaultYes"_s), Qt::LeftButton);
    QTest::mouseClick(editor->findChild<QRadioButton *>(u"optNewYes"_s), Qt::LeftButton);
    const QString path = home + u"/\"zoo\".wdr"_s;
    dialogs.choices.append(path);
    QTest::mouseClick(editor->findChild<QPushButton *>(u"cmdSave"_s), Qt::LeftButton);

    EXPECT_EQ(homeFile(u"\"zoo\".wdr"_s), "\"ANT\"\r\n\"BEE\"\r\n\"COW\"\r\n\"DOG\"\r\n");
    EXPECT_EQ(wordsInPlay(), QStringList({u"ANT"_s, u"BEE"_s, u"COW"_s, u"DOG"_s}));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"could not make it the startup list"_s));
    EXPECT_EQ(homeFile(u"wordrow.ini"_s), settings);
    expectPlayable();
}

// The list file is replaced or removed again and again while it is being loaded: each load gives
// one whole version of it, or fails and keeps the list in play.
TEST_F(ListFileFaultTest, aListReplacedOrRemovedWhileLoadingGivesAWholeVersionOrNone)
{
    const QString path = home + u"/changing.wdr"_s;
    const QByteArray first = "\"ONE\"\r\n\"TWO\"\r\n";
    const QByteArray second = QByteArray("\"THREE\"\r\n").repeated(3000);
    const QString firstCopy = writeHomeFile(u"first.tmp"_s, first);
    const QString secondCopy = writeHomeFile(u"second.tmp"_s, second);

    std::atomic<bool> done{false};
    std::thread changer([&] {
        // Hard links renamed over the list: each change is whole, as an editor's save is.
        const QByteArray target = QFile::encodeName(path);
        const QByteArray staging = QFile::encodeName(home + u"/staging.tmp"_s);
        for (unsigned i = 0; !done; ++i) {
            const QString source = i % 2 ? firstCopy : secondCopy;
            ::link(QFile::encodeName(source).constData(), staging.constData());
            ::rename(staging.constData(), target.constData());
            if (i % 3 == 0)
                ::unlink(target.constData());
        }
    });

    int loadedFirst = 0, loadedSecond = 0, failed = 0;
    // Enough loads to meet every outcome, however the two threads happen to interleave.
    for (int i = 0; i < 100'000 && (i < 3000 || !loadedFirst || !loadedSecond || !failed); ++i) {
        state.words = {u"KEPT"_s};
        WordListFile::LoadResult result = WordListFile::load(path);
        if (result.isLoaded())
            state.words = std::move(result.words);
        const QStringList words = wordsInPlay();
        if (!result.isLoaded()) {
            ASSERT_EQ(words, QStringList{u"KEPT"_s});
            ++failed;
        } else if (words.size() == 2) {
            ASSERT_EQ(words, QStringList({u"ONE"_s, u"TWO"_s}));
            ++loadedFirst;
        } else {
            ASSERT_EQ(words, QStringList(3000, u"THREE"_s));
            ++loadedSecond;
        }
    }
    done = true;
    changer.join();
    std::printf("loads: %d of the first version, %d of the second, %d failed\n", loadedFirst,
        loadedSecond, failed);
    EXPECT_GT(loadedFirst + loadedSecond, 0);
}

} // namespace
