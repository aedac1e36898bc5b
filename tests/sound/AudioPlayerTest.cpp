#include "sound/AudioPlayer.h"

#include "sound/WavBytes.h"
#include "support/TempDir.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTest>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Handing a request to the sound thread takes microseconds; this only has to tell that apart
// from waiting for a three-second sound, or for an audio server that does not answer.
constexpr qint64 NoWaitMs = 500;
// Below the player's own give-up time for its thread, so a stuck thread fails the test.
constexpr qint64 QuickExitMs = 1500;
constexpr int StartMs = 3000;

class AudioPlayerTest : public ::testing::Test
{
protected:
    // A core application is all the player needs, and it runs where no display is.
    static void SetUpTestSuite() { app = new QCoreApplication(argc, argv); }
    static void TearDownTestSuite()
    {
        delete app;
        app = nullptr;
    }

    static bool hasOutput() { return !QMediaDevices::defaultAudioOutput().isNull(); }

    QString longSound() const { return dir.write(u"long.wav"_s, WavBytes::toneWav(3000)); }

    bool startsPlaying(const QString &path) const
    {
        return QTest::qWaitFor([&] { return player->nowPlaying() == path; }, StartMs);
    }

    qint64 msToDestroy()
    {
        QElapsedTimer timer;
        timer.start();
        player.reset();
        return timer.elapsed();
    }

    TempDir dir;
    int beeps = 0;
    std::unique_ptr<AudioPlayer> player = std::make_unique<AudioPlayer>(
        [this] { ++beeps; }, QStringList{QStringLiteral(WORDROW_SOUND_OUTPUT_DIR)});

private:
    static inline int argc = 1;
    static inline char name[] = "audio_tests";
    static inline char *argv[] = {name, nullptr};
    static inline QCoreApplication *app = nullptr;
};

TEST_F(AudioPlayerTest, ProbeAnswersWithoutWaiting)
{
    QElapsedTimer timer;
    timer.start();
    const bool card = player->isSoundCardEnabled();
    EXPECT_LT(timer.elapsed(), NoWaitMs);
    EXPECT_EQ(card, hasOutput());
}

TEST_F(AudioPlayerTest, WithoutItsModuleItIsACardlessPlayer)
{
    TempDir modules;
    modules.write(u"libwordrow_sound_output.so"_s, "not a library");
    player = std::make_unique<AudioPlayer>([] {}, QStringList{dir.path(), modules.path()});
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(player->isSoundCardEnabled());
    EXPECT_LT(timer.elapsed(), NoWaitMs);
    player->play(longSound());
    QTest::qWait(100);
    EXPECT_TRUE(player->nowPlaying().isEmpty());
    EXPECT_LT(msToDestroy(), QuickExitMs);
}

TEST_F(AudioPlayerTest, NoRequestWaitsAndNoBadFileStopsTheNextSound)
{
    QStringList paths{
        dir.filePath(u"missing.wav"_s),
        dir.write(u"garbage.wav"_s, "RIFF\xff\xff\xff\xffWAVEfmt "),
        dir.write(u"empty.wav"_s, {}),
        dir.path(),
    };
#ifdef Q_OS_UNIX
    // If the player ever opened this, its thread would hang, and so would exit.
    const QString fifo = dir.filePath(u"pipe.wav"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    paths.append(fifo);
#endif
    const QString sound = longSound();
    paths.append(sound);
    for (const QString &path : paths) {
        QElapsedTimer timer;
        timer.start();
        player->play(path);
        EXPECT_LT(timer.elapsed(), NoWaitMs) << qPrintable(path);
        // Time for the thread to take each file, rather than only the last of a quick run.
        QTest::qWait(50);
    }
    if (hasOutput()) {
        EXPECT_TRUE(startsPlaying(sound));
    }
    EXPECT_LT(msToDestroy(), QuickExitMs);
}

TEST_F(AudioPlayerTest, ExitsQuicklyWhateverTheSoundIsDoing)
{
    const QString sound = longSound();
    player->play(sound);
    EXPECT_LT(msToDestroy(), QuickExitMs) << "with the sound still on its way";

    if (!hasOutput())
        GTEST_SKIP() << "no audio output here";
    player = std::make_unique<AudioPlayer>(
        [] {}, QStringList{QStringLiteral(WORDROW_SOUND_OUTPUT_DIR)});
    player->play(sound);
    ASSERT_TRUE(startsPlaying(sound));
    EXPECT_LT(msToDestroy(), QuickExitMs) << "with the sound playing";
}

TEST_F(AudioPlayerTest, ANewSoundReplacesThePlayingOne)
{
    if (!hasOutput())
        GTEST_SKIP() << "no audio output here";
    const QString first = longSound();
    const QString second = dir.write(u"second.wav"_s, WavBytes::toneWav(3000, 44100));
    player->play(first);
    ASSERT_TRUE(startsPlaying(first));
    player->play(second);
    ASSERT_TRUE(startsPlaying(second));
    // The replaced sound's last news must not stop the new one.
    QTest::qWait(300);
    EXPECT_EQ(player->nowPlaying(), second);

    // A quick run plays its last sound.
    player->play(first);
    player->play(second);
    player->play(first);
    EXPECT_TRUE(startsPlaying(first));
}

TEST_F(AudioPlayerTest, ASoundEndsOnItsOwn)
{
    if (!hasOutput())
        GTEST_SKIP() << "no audio output here";
    const QString blip = dir.write(u"blip.wav"_s, WavBytes::toneWav(150));
    player->play(blip);
    ASSERT_TRUE(startsPlaying(blip));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->nowPlaying().isEmpty(); }, StartMs));
}

TEST_F(AudioPlayerTest, DisablingSilencesButLeavesTheBeep)
{
    const QString sound = longSound();
    if (hasOutput()) {
        player->play(sound);
        ASSERT_TRUE(startsPlaying(sound));
    }
    player->setEnabled(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->nowPlaying().isEmpty(); }, StartMs));
    player->play(sound);
    QTest::qWait(300);
    EXPECT_TRUE(player->nowPlaying().isEmpty());
    player->beep();
    EXPECT_EQ(beeps, 1) << "the beep is not one of the sounds that can be turned off";
    AudioPlayer::platformBeep(); // without a GUI there is no beep, and no crash

    player->setEnabled(true);
    player->play(sound);
    if (hasOutput()) {
        EXPECT_TRUE(startsPlaying(sound));
    }
}

} // namespace
