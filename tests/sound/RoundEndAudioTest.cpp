#include "core/GameState.h"
#include "game/GameRound.h"
#include "game/SpeechCoach.h"
#include "sound/AudioPlayer.h"
#include "sound/SoundLibrary.h"
#include "sound/SoundPlayback.h"
#include "speech/QtSpeaker.h"
#include "support/FakeGameView.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"
#include "wordlists/Preferences.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The sound of a round's end through the real player, recorded from the audio server's monitor
// of the speakers, so the test hears what a player would. It needs a running server (the test
// script starts one with a null sink where there is none) and parec and sox.
class RoundEndAudioTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { app = new QGuiApplication(argc, argv); }
    static void TearDownTestSuite()
    {
        delete app;
        app = nullptr;
    }

    void SetUp() override
    {
        for (const QString &tool : {u"pactl"_s, u"parec"_s, u"sox"_s}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << "no " << tool.toStdString() << " on this machine";
        }
        const std::optional<QString> sink = run(u"pactl"_s, {u"get-default-sink"_s});
        if (!sink || sink->trimmed().isEmpty())
            GTEST_SKIP() << "no audio server answers (pactl get-default-sink failed)";
        monitor = sink->trimmed() + u".monitor"_s;

        state.homeDir = home.path();
        state.words = {u"A"};
        state.soundCardFound = player.isSoundCardEnabled();
        ASSERT_TRUE(state.soundCardFound) << "the server runs, yet Qt finds no audio output";
        random.runOn = true;
    }

    static std::optional<QString> run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(10000) || process.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    // Records the speakers while the round ends, until the sound is over (and, with speech,
    // until the word has been said, for at most sayWaitMs); the recording's RMS amplitude, 0 for
    // an empty or silent one. With speech waited for, only of what came after the round's sound.
    double recordRoundEnd(int sayWaitMs = 0)
    {
        const QString file = home.filePath(u"recording-%1.wav"_s.arg(++recordings));
        QProcess recorder;
        recorder.start(u"parec"_s, {u"-d"_s, monitor, u"--file-format=wav"_s, file});
        if (!recorder.waitForStarted(5000))
            return -1;
        // Play only once the server lists the recorder, or the start of the sound is lost.
        const bool listening = QTest::qWaitFor(
            [] {
                const std::optional<QString> outputs
                    = run(u"pactl"_s, {u"list"_s, u"short"_s, u"source-outputs"_s});
                return outputs && !outputs->trimmed().isEmpty();
            },
            10000);
        EXPECT_TRUE(listening) << "the recorder never connected";

        round.startRound();
        round.guess(0); // "A": the word is complete, the round is won
        const bool started
            = QTest::qWaitFor([this] { return !player.nowPlaying().isEmpty(); }, 3000);
        const QString sound = player.nowPlaying();
        if (started)
            static_cast<void>(
                QTest::qWaitFor([this] { return player.nowPlaying().isEmpty(); }, 6000));
        if (sayWaitMs > 0)
            static_cast<void>(QSignalSpy(&speaker, &Speaker::finished).wait(sayWaitMs));
        QTest::qWait(started ? 300 : 1500);

        // SIGINT lets parec finish the file with a valid header.
        ::kill(pid_t(recorder.processId()), SIGINT);
        recorder.waitForFinished(5000);
        if (sayWaitMs == 0)
            return rmsAmplitude(file);
        // From the sound's first audible sample on, past its length and a little more.
        const WavFile played = SoundLibrary().load(sound);
        const double length = double(played.frameCount()) / std::max(played.sampleRate(), 1);
        return rmsAmplitude(file,
            {u"silence"_s, u"1"_s, u"0.01"_s, u"0.5%"_s, u"trim"_s, QString::number(length + 0.1)});
    }

    static double rmsAmplitude(const QString &file, const QStringList &effects = {})
    {
        QProcess sox;
        sox.start(u"sox"_s, QStringList{file, u"-n"_s} + effects + QStringList{u"stat"_s});
        sox.waitForFinished(10000);
        const QString report = QString::fromLocal8Bit(sox.readAllStandardError());
        const QRegularExpressionMatch match
            = QRegularExpression(u"RMS\\s+amplitude:\\s+(\\S+)"_s).match(report);
        bool ok = false;
        const double rms = match.hasMatch() ? match.captured(1).toDouble(&ok) : 0;
        // An empty capture reports "-nan": silence.
        return ok && rms == rms ? rms : 0;
    }

    TempDir home;
    QString monitor;
    int recordings = 0;
    GameState state;
    FakeGameView view;
    ScriptedRandom random;
    AudioPlayer player{[] {}, {QStringLiteral(WORDROW_SOUND_OUTPUT_DIR)}};
    SoundPlayback sound{state, player};
    GameRound round{state, view, random, sound};
    QtSpeaker speaker;
    SpeechCoach coach{speaker, sound};

private:
    static inline int argc = 1;
    static inline char name[] = "round_end_audio_tests";
    static inline char *argv[] = {name, nullptr};
    static inline QGuiApplication *app = nullptr;
};

// Well above a null sink's silence (exactly 0) and well below any of the game's sounds.
constexpr double Audible = 0.002;

} // namespace

TEST_F(RoundEndAudioTest, aWonRoundIsHeardAndNothingWithSoundsOff)
{
    // A busy machine may start the recorder late: give the audible case a few tries.
    double rms = 0;
    for (int attempt = 0; attempt < 3 && rms <= Audible; ++attempt)
        rms = recordRoundEnd();
    EXPECT_GT(rms, Audible) << "the round's end was not heard on " << monitor.toStdString();

    state.soundsOff = true;
    EXPECT_LT(recordRoundEnd(), Audible / 10) << "sounds off, yet something played";
}

TEST_F(RoundEndAudioTest, theWordIsHeardAfterTheSoundOnlyWhenAsked)
{
    if (speaker.availability() == Speaker::Availability::Unavailable)
        GTEST_SKIP() << speaker.unavailableReason().toStdString();
    round.addObserver(&coach);
    Preferences preferences(home.path());
    coach.start(preferences);
    double rms = 0;
    for (int attempt = 0; attempt < 3 && rms <= Audible; ++attempt)
        rms = recordRoundEnd(20000);
    EXPECT_NE(speaker.availability(), Speaker::Availability::Unavailable)
        << speaker.unavailableReason().toStdString();
    EXPECT_GT(rms, Audible) << "no word heard after the round's sound on " << monitor.toStdString();

    coach.setSayAtRoundEnd(false);
    EXPECT_LT(recordRoundEnd(3000), Audible / 10) << "something after the sound, with speech off";
}
