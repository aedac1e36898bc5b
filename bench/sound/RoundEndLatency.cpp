// How long after the click that ends a round its sound reaches the speakers. The program plays
// rounds through the real player and listens to the audio server's monitor of the default
// output with parec, timing the first sound sample against the click. Prints one line per round
// and the median. Then, with speech on, times how long after the end of the round's sound the
// first sample of the word said reaches the speakers. Needs a running audio server, and
// speech-dispatcher for the second part.

#include "core/GameState.h"
#include "game/GameRound.h"
#include "game/SpeechCoach.h"
#include "sound/AudioPlayer.h"
#include "sound/SoundLibrary.h"
#include "sound/SoundPlayback.h"
#include "speech/QtSpeaker.h"
#include "support/FakeGameView.h"
#include "support/ScriptedRandom.h"
#include "wordlists/Preferences.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Rate = 48000;
constexpr int Rounds = 20;
// Well above a null sink's silence, well below the start of any of the game's sounds.
constexpr int Threshold = 300;

// Reads the monitor as raw samples and notes when the first loud one came out of the server.
class Listener
{
public:
    explicit Listener(const QString &monitor)
    {
        m_parec.start(u"parec"_s,
            {u"-d"_s, monitor, u"--raw"_s, u"--format=s16le"_s, u"--rate=%1"_s.arg(Rate),
                u"--channels=1"_s, u"--latency-msec=2"_s});
        m_clock.start();
    }
    ~Listener()
    {
        m_parec.kill();
        m_parec.waitForFinished();
    }

    bool started() { return m_parec.waitForStarted(5000); }

    // Milliseconds on this listener's clock at which the first loud sample played later than
    // after was played, or -1.
    double firstLoudSample(int timeoutMs, double after = -1)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMs) {
            // The player's word that its sound is over comes through the event loop.
            QCoreApplication::processEvents();
            m_parec.waitForReadyRead(20);
            const double arrived = m_clock.nsecsElapsed() / 1e6;
            m_pending += m_parec.readAll();
            const qsizetype samples = m_pending.size() / 2;
            for (qsizetype i = 0; i < samples; ++i) {
                // The samples after it in this read had already played when it arrived.
                const double played = arrived - double(samples - i) * 1000.0 / Rate;
                if (played > after
                    && std::abs(qFromLittleEndian<qint16>(m_pending.constData() + 2 * i))
                        > Threshold)
                    return played;
            }
            m_pending.remove(0, samples * 2);
        }
        return -1;
    }

    // Drops what has been recorded so far.
    void drain()
    {
        QTest::qWait(50);
        m_parec.readAll();
        m_pending.clear();
    }

    double now() const { return m_clock.nsecsElapsed() / 1e6; }

private:
    QProcess m_parec;
    QElapsedTimer m_clock;
    QByteArray m_pending;
};

} // namespace

int main(int argc, char *argv[])
{
    // The speech coach's menu items need a GUI application, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QProcess pactl;
    pactl.start(u"pactl"_s, {u"get-default-sink"_s});
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0) {
        std::fprintf(stderr, "no audio server answers\n");
        return 2;
    }
    const QString monitor
        = QString::fromLocal8Bit(pactl.readAllStandardOutput()).trimmed() + u".monitor"_s;

    QTemporaryDir home;
    GameState state;
    state.homeDir = home.path();
    state.words = {u"A"};
    AudioPlayer player([] {}, {QStringLiteral(WORDROW_SOUND_OUTPUT_DIR)});
    state.soundCardFound = player.isSoundCardEnabled();
    if (!state.soundCardFound) {
        std::fprintf(stderr, "Qt finds no audio output\n");
        return 2;
    }
    FakeGameView view;
    ScriptedRandom random;
    random.runOn = true;
    SoundPlayback sound(state, player);
    GameRound round(state, view, random, sound);

    Listener listener(monitor);
    if (!listener.started()) {
        std::fprintf(stderr, "parec did not start\n");
        return 2;
    }
    QTest::qWait(500);
    std::vector<double> latencies;
    for (int i = 0; i < Rounds; ++i) {
        round.startRound();
        // Each sound plays out before the next round, so its start is heard in silence.
        static_cast<void>(
            QTest::qWaitFor([&player] { return player.nowPlaying().isEmpty(); }, 5000));
        QTest::qWait(300);
        listener.drain();
        const double click = listener.now();
        round.guess(0); // the word is "A": the round is won
        const double heard = listener.firstLoudSample(3000);
        if (heard < 0) {
            std::printf("round %2d: not heard within 3 s\n", i + 1);
            continue;
        }
        latencies.push_back(heard - click);
        std::printf("round %2d: %6.1f ms\n", i + 1, heard - click);
    }
    if (latencies.empty())
        return 1;
    std::sort(latencies.begin(), latencies.end());
    std::printf("click to first sound sample at the speakers, %zu rounds: median %.1f ms, "
                "min %.1f ms, max %.1f ms (target: under 50 ms)\n",
        latencies.size(), latencies[latencies.size() / 2], latencies.front(), latencies.back());

    QtSpeaker speaker;
    SpeechCoach coach(speaker, sound);
    round.addObserver(&coach);
    Preferences preferences(home.path());
    coach.start(preferences);
    // The engine starts with the first round: not what a word waits for later on.
    round.startRound();
    static_cast<void>(QTest::qWaitFor(
        [&speaker] { return speaker.availability() != Speaker::Availability::Unknown; }, 30000));
    if (speaker.availability() != Speaker::Availability::Ready) {
        std::printf("no speech: %s\n", qPrintable(speaker.unavailableReason()));
        return 0;
    }
    std::vector<double> speech;
    for (int i = 0; i < Rounds; ++i) {
        round.startRound();
        QTest::qWait(300);
        listener.drain();
        QSignalSpy said(&speaker, &Speaker::finished);
        round.guess(0);
        const double heard = listener.firstLoudSample(3000);
        const WavFile played = SoundLibrary().load(player.nowPlaying());
        const double soundEnd = heard + played.frameCount() * 1000.0 / played.sampleRate();
        const double spoken = heard < 0 ? -1 : listener.firstLoudSample(5000, soundEnd);
        if (spoken < 0 || !played.isValid()) {
            std::printf("round %2d: no word heard within 5 s of the sound\n", i + 1);
            continue;
        }
        speech.push_back(spoken - soundEnd);
        std::printf("round %2d: word %6.1f ms after the sound\n", i + 1, spoken - soundEnd);
        said.wait(5000);
    }
    if (speech.empty())
        return 1;
    std::sort(speech.begin(), speech.end());
    std::printf("end of the round's sound to the first sample of the word, %zu rounds: median "
                "%.1f ms, min %.1f ms, max %.1f ms (target: under 300 ms)\n",
        speech.size(), speech[speech.size() / 2], speech.front(), speech.back());
    return 0;
}
