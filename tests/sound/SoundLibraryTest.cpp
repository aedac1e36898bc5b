#include "sound/SoundLibrary.h"
#include "core/GameState.h"
#include "game/RoundTexts.h"
#include "game/Startup.h"
#include "sound/SoundPlayback.h"
#include "sound/WavBytes.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

namespace {

// Every sound name the game plays, as its callers spell it.
QList<QStringView> soundNamesInUse()
{
    QList<QStringView> names(RoundTexts::loseSounds.cbegin(), RoundTexts::loseSounds.cend());
    names.append(QList<QStringView>(RoundTexts::winSounds.cbegin(), RoundTexts::winSounds.cend()));
    names.append(
        QList<QStringView>(Startup::StartupSounds.cbegin(), Startup::StartupSounds.cend()));
    names.append(u"Laser.wav");
    names.append(u"sound560.wav");
    return names;
}

class SoundLibraryTest : public ::testing::Test
{
protected:
    // What the player hears for a name: the home folder's file if it plays, else the bundled one.
    WavFile heard(QStringView name)
    {
        return library.load(SoundPlayback::soundFilePath(home.path(), name));
    }
    static WavFile bundled(const QString &fileName)
    {
        return WavFile::read(SoundLibrary::bundledResource(fileName));
    }

    TempDir home;
    SoundLibrary library;
};

} // namespace

TEST_F(SoundLibraryTest, everySoundTheGameNamesShipsWithIt)
{
    std::set<QString> distinct;
    for (const QStringView name : soundNamesInUse()) {
        const WavFile sound = heard(name);
        EXPECT_TRUE(sound.isValid()) << name.toString().toStdString();
        EXPECT_EQ(sound.bitsPerSample(), 16) << name.toString().toStdString();
        const double seconds = double(sound.frameCount()) / sound.sampleRate();
        EXPECT_TRUE(seconds >= 0.2 && seconds <= 3.0) << name.toString().toStdString();
        distinct.insert(name.toString().toLower());
    }
    EXPECT_EQ(distinct.size(), 41u);
    EXPECT_EQ(SoundLibrary::bundledNames().size(), 41);
}

TEST_F(SoundLibraryTest, aFileInTheHomeFolderTakesTheSoundsPlaceInAnyLetterCase)
{
    const QByteArray own = WavBytes::toneWav(300, 8000);
    home.write(u"LASER.WAV"_s, own);
    const WavFile sound = heard(u"Laser.wav");
    EXPECT_EQ(sound.sampleRate(), 8000);
    EXPECT_EQ(sound.samples(), WavFile::fromBytes(own).samples());

    // Changed on disk, it is read again.
    const QByteArray changed = WavBytes::toneWav(200, 11025);
    home.write(u"LASER.WAV"_s, changed);
    EXPECT_EQ(heard(u"Laser.wav").sampleRate(), 11025);

    // Removed, the bundled sound is back.
    QFile::remove(home.filePath(u"LASER.WAV"_s));
    EXPECT_EQ(heard(u"Laser.wav").samples(), bundled(u"Laser.wav"_s).samples());
}

TEST_F(SoundLibraryTest, aBrokenReplacementFallsBackToTheBundledSound)
{
    home.write(u"Tada.wav"_s, QByteArray());
    home.write(u"sound560.wav"_s, QByteArray("RIFF\x10\0\0\0WAVEjunkjunk", 20));
    home.write(u"Boing.wav"_s, WavBytes::wav({WavBytes::Float, 1, 22050, 32}, QByteArray(400, 1)));
    for (const QString &name : {u"Tada.wav"_s, u"Sound560.wav"_s, u"Boing.wav"_s}) {
        const WavFile sound = heard(name);
        ASSERT_TRUE(sound.isValid()) << name.toStdString();
        EXPECT_EQ(sound.samples(), bundled(name).samples()) << name.toStdString();
    }
}

TEST_F(SoundLibraryTest, aNameThatShipsNoSoundPlaysNothing)
{
    EXPECT_FALSE(heard(u"Nothing.wav").isValid());
    EXPECT_TRUE(SoundLibrary::bundledResource(u"Nothing.wav").isEmpty());
    EXPECT_EQ(SoundLibrary::bundledResource(u"SOUND560.WAV"), u":/sounds/Sound560.wav"_s);
}
