#include "sound/SoundPlayback.h"
#include "core/GameState.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SoundPlaybackTest : public ::testing::Test
{
protected:
    SoundPlaybackTest()
    {
        state.homeDir = home.path();
        state.soundCardFound = true;
    }

    TempDir home;
    GameState state;
    RecordingSoundPlayer player;
    SoundPlayback sound{state, player};
};

TEST_F(SoundPlaybackTest, PlaysOnlyWithSoundsOnAndACard)
{
    sound.play(u"Laser.wav");
    EXPECT_EQ(player.played, QStringList{home.path() + u"/Laser.wav"_s});

    state.soundsOff = true;
    sound.play(u"Laser.wav");
    state.soundsOff = false;
    state.soundCardFound = false;
    sound.play(u"Laser.wav");
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_EQ(player.beeps, 0) << "a missing card never turns a sound into a beep here";
}

TEST_F(SoundPlaybackTest, FindsTheFileWhateverItsLetterCase)
{
    home.write(u"SOUND560.WAV"_s, "RIFF");
    home.write(u"Laser.wav"_s, "RIFF");

    sound.play(u"sound560.wav");
    sound.play(u"Sound560.wav");
    sound.play(u"Laser.wav");

    EXPECT_EQ(player.played,
        (QStringList{home.filePath(u"SOUND560.WAV"_s), home.filePath(u"SOUND560.WAV"_s),
            home.filePath(u"Laser.wav"_s)}));
}

TEST_F(SoundPlaybackTest, RootHomeDirectoryJoinsWithoutLosingTheName)
{
    EXPECT_EQ(SoundPlayback::soundFilePath(u"/"_s, u"Tada.wav"), u"//Tada.wav");
    EXPECT_EQ(SoundPlayback::soundFilePath(home.path(), u"Tada.wav"), home.path() + u"/Tada.wav");
}

} // namespace
