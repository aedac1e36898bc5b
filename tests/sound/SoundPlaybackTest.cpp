#include "SoundPlayback.h"
#include "Module1.h"
#include "RecordingSoundPlayer.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SoundPlaybackTest : public ::testing::Test
{
protected:
    SoundPlaybackTest()
    {
        state.varHomeDir = home.path();
        state.blnSoundCard = true;
    }

    TempDir home;
    Module1 state;
    RecordingSoundPlayer player;
    SoundPlayback sound{state, player};
};

TEST_F(SoundPlaybackTest, PlaysOnlyWithSoundsOnAndACard)
{
    sound.PlaySound(u"\\Laser.wav");
    EXPECT_EQ(player.played, QStringList{home.path() + u"/Laser.wav"_s});

    state.blnSoundOff = true;
    sound.PlaySound(u"\\Laser.wav");
    state.blnSoundOff = false;
    state.blnSoundCard = false;
    sound.PlaySound(u"\\Laser.wav");
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_EQ(player.beeps, 0) << "a missing card never turns a sound into a beep here";
}

TEST_F(SoundPlaybackTest, FindsTheFileWhateverItsLetterCase)
{
    home.write(u"SOUND560.WAV"_s, "RIFF");
    home.write(u"Laser.wav"_s, "RIFF");

    sound.PlaySound(u"\\sound560.wav");
    sound.PlaySound(u"\\Sound560.wav");
    sound.PlaySound(u"\\Laser.wav");

    EXPECT_EQ(player.played,
        (QStringList{home.filePath(u"SOUND560.WAV"_s), home.filePath(u"SOUND560.WAV"_s),
            home.filePath(u"Laser.wav"_s)}));
}

TEST_F(SoundPlaybackTest, RootHomeDirectoryJoinsWithoutLosingTheName)
{
    EXPECT_EQ(SoundPlayback::soundFilePath(u"/"_s, u"\\Tada.wav"), u"//Tada.wav");
    EXPECT_EQ(SoundPlayback::soundFilePath(home.path(), u"\\Tada.wav"), home.path() + u"/Tada.wav");
}

} // namespace
