#include "game/Startup.h"
#include "core/GameState.h"
#include "game/MenuCaptions.h"
#include "support/FakeFileSystem.h"
#include "support/FakeMainWindowView.h"
#include "support/FakeMessageBoxes.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"
#include "wordlists/BuiltInWords.h"
#include "wordlists/WordListFile.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class StartupTest : public ::testing::Test
{
protected:
    void start(const QString &home)
    {
        files.current = home;
        random.runOn = true;
        Startup(state, view, captions, player, random, messages, files).run();
    }
    void start() { start(dir.path()); }

    TempDir dir;
    GameState state;
    FakeMainWindowView view;
    MenuCaptions captions;
    RecordingSoundPlayer player;
    ScriptedRandom random;
    FakeMessageBoxes messages;
    FakeFileSystem files{QString()};
};

} // namespace

TEST_F(StartupTest, firstStartInAnEmptyDirectoryWritesBothFilesAndNamesTheDefaultList)
{
    start();

    const QString defaultList = dir.filePath(u"wordrow.wdr"_s);
    EXPECT_EQ(
        dir.read(u"wordrow.ini"_s), "\"" + QFile::encodeName(defaultList) + "\"\r\n#FALSE#\r\n");
    EXPECT_EQ(dir.read(u"wordrow.wdr"_s), BuiltInWords::bytes());
    EXPECT_EQ(state.homeDir, dir.path());
    EXPECT_EQ(state.words.size(), 463);
    EXPECT_EQ(captions.title(), u"Wordrow - by Quilbyte:  "_s + defaultList);
    EXPECT_EQ(captions.currentList()->text(), u"(Currently: "_s + defaultList + u')');
    EXPECT_EQ(captions.startupList()->text(), u"(Currently: "_s + defaultList + u')');
    EXPECT_FALSE(state.hideTitleScreen);
    EXPECT_EQ(view.titleScreens, 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StartupTest, leavesEveryLetterButtonCaptionedPeachAndDisabled)
{
    start();

    QString captions;
    for (int i = 0; i < 28; ++i) {
        captions += view.letterCaptions.at(i);
        EXPECT_FALSE(view.game.letters.at(i).enabled) << i;
        EXPECT_EQ(view.game.letters.at(i).color, QColor(255, 224, 192)) << i;
    }
    EXPECT_EQ(captions, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ'-"_s);
}

TEST_F(StartupTest, turnsSoundsOnAndPlaysOneOfThreeStartupSoundsOnlyWithASoundCard)
{
    state.soundsOff = true;
    random.runOn = false;
    random.script({0.5});
    files.current = dir.path();
    Startup(state, view, captions, player, random, messages, files).run();

    EXPECT_FALSE(state.soundsOff);
    EXPECT_TRUE(state.soundCardFound);
    EXPECT_TRUE(player.enabled);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(player.played, QStringList{dir.filePath(u"Musica.wav"_s)});

    RecordingSoundPlayer silent;
    silent.hasCard = false;
    GameState other;
    FakeMainWindowView otherView;
    MenuCaptions otherCaptions;
    Startup(other, otherView, otherCaptions, silent, random, messages, files).run();
    EXPECT_FALSE(other.soundCardFound);
    EXPECT_FALSE(silent.enabled);
    EXPECT_TRUE(silent.played.isEmpty());
}

TEST_F(StartupTest, rewritesAMissingDefaultListAndLeavesTheSettingsAlone)
{
    const QByteArray settings
        = "\"" + QFile::encodeName(dir.filePath(u"wordrow.wdr"_s)) + "\"\r\n#TRUE#\r\n";
    dir.write(u"wordrow.ini"_s, settings);
    start();

    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settings);
    EXPECT_EQ(dir.read(u"wordrow.wdr"_s), BuiltInWords::bytes());
    EXPECT_TRUE(state.hideTitleScreen);
    EXPECT_EQ(view.titleScreens, 0);
    EXPECT_FALSE(captions.showTitleScreen()->isChecked());
    EXPECT_TRUE(captions.showTitleScreen()->isEnabled());
    EXPECT_TRUE(captions.hideTitleScreen()->isChecked());
    EXPECT_FALSE(captions.hideTitleScreen()->isEnabled());
}

TEST_F(StartupTest, anEmptyFirstItemLoadsTheDefaultListNamedWithoutItsDirectory)
{
    dir.write(u"wordrow.ini"_s, "\"\"\r\n#FALSE#\r\n");
    dir.write(u"wordrow.wdr"_s, "\"CAT\"\r\n\"DOG\"\r\n");
    start();

    EXPECT_EQ(state.words.toStringList(), (QStringList{u"CAT"_s, u"DOG"_s}));
    EXPECT_EQ(captions.title(), u"Wordrow - by Quilbyte:  wordrow.wdr"_s);
    EXPECT_EQ(captions.startupList()->text(), u"(Currently: wordrow.wdr)"_s);
    EXPECT_TRUE(captions.showTitleScreen()->isChecked());
    EXPECT_FALSE(captions.showTitleScreen()->isEnabled());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StartupTest, aMissingStartupListFallsBackToTheDefaultListAndSaysSo)
{
    const QString gone = dir.filePath(u"week1.wdr"_s);
    const QByteArray settings = "\"" + QFile::encodeName(gone) + "\"\r\n#FALSE#\r\n";
    dir.write(u"wordrow.ini"_s, settings);
    start();

    const QString defaultList = dir.filePath(u"wordrow.wdr"_s);
    EXPECT_EQ(state.words.size(), 463);
    EXPECT_EQ(captions.title(), u"Wordrow - by Quilbyte:  "_s + defaultList);
    EXPECT_EQ(captions.currentList()->text(), u"(Currently: "_s + defaultList + u')');
    // The settings still name the player's choice: it may come back (a removable disk).
    EXPECT_EQ(captions.startupList()->text(), u"(Currently: "_s + gone + u')');
    EXPECT_EQ(dir.read(u"wordrow.ini"_s), settings);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(gone));
}

TEST_F(StartupTest, unusableListsFallBackToTheBuiltInWordsWithoutOverwritingAnything)
{
    const QByteArray tooLong = "\"ABCDEFGHIJKLMNOP\"\r\n";
    dir.write(u"wordrow.wdr"_s, tooLong);
    dir.write(u"week1.wdr"_s, tooLong);
    dir.write(u"wordrow.ini"_s, "\"" + QFile::encodeName(dir.filePath(u"week1.wdr"_s)) + "\"\r\n");
    start();

    EXPECT_EQ(state.words.size(), 463);
    EXPECT_EQ(state.words.at(0), u"ABLE");
    EXPECT_EQ(captions.title(), u"Wordrow - by Quilbyte:  built-in words"_s);
    EXPECT_EQ(captions.currentList()->text(), u"(Currently: built-in words)"_s);
    EXPECT_EQ(dir.read(u"wordrow.wdr"_s), tooLong);
    EXPECT_EQ(dir.read(u"week1.wdr"_s), tooLong);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(StartupTest, aHomeNobodyCanWriteToStartsWithTheBuiltInWordsAndSaysSoOnce)
{
    // Not even root can create files in /proc, so this holds in CI too.
    start(u"/proc"_s);

    EXPECT_EQ(state.homeDir, u"/proc"_s);
    EXPECT_EQ(state.words.size(), 463);
    EXPECT_EQ(captions.title(), u"Wordrow - by Quilbyte:  built-in words"_s);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"cannot be saved"_s));
    EXPECT_FALSE(messages.shown[0].question);
    EXPECT_FALSE(QFileInfo::exists(u"/proc/wordrow.ini"_s));
}
