// How long from a key typed in the main window to the repaint of the slot it fills. The program
// plays rounds on a real MainWindow (on the tests' stand-in dialogs, files and sound player) and
// types each letter of the word in turn through the window system's key path, the one a key from
// the X server takes once it reaches the program. Prints the median and the 99th percentile.
// Run it on a real window system (Xvfb); scripts/bench-keys.sh does.

#include "app/MainWindow.h"
#include "core/GameState.h"
#include "keys/PaintClock.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeFileSystem.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeSpeaker.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Fifteen letters, none twice: every key fills exactly one slot.
constexpr QStringView Word = u"UNCOPYRIGHTABLE";
constexpr int WarmUpRounds = 3;
constexpr int Rounds = 70;

void type(QWindow *window, Qt::Key code, const QString &text)
{
    QTest::sendKeyEvent(QTest::Click, window, code, text, Qt::NoModifier);
}

double percentile(const std::vector<double> &sorted, double share)
{
    const auto rank = std::size_t(std::ceil(share * double(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    QFile list(home.filePath(u"wordrow.wdr"_s));
    QFile settings(home.filePath(u"wordrow.ini"_s));
    if (!list.open(QIODevice::WriteOnly) || !settings.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write to %s\n", qPrintable(home.path()));
        return 2;
    }
    list.write('"' + Word.toLatin1() + "\"\r\n");
    settings.write("\"\"\r\n#TRUE#\r\n");
    list.close();
    settings.close();

    GameState state;
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    FakeFileSystem files(home.path());
    RecordingSoundPlayer player;
    ScriptedRandom random;
    random.runOn = true;
    FakeSpeaker speaker;
    MainWindow window(state, Services{messages, dialogs, files, player, random, speaker});
    window.start();
    window.show();
    // Without a window manager nothing else gives the window the keyboard.
    if (QTest::qWaitForWindowExposed(&window))
        window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "the main window did not become active\n");
        return 2;
    }
    QWindow *handle = window.windowHandle();

    QElapsedTimer clock;
    clock.start();
    PaintClock paints(clock);
    QRandomGenerator order(21);
    std::vector<double> latencies;
    for (int round = 0; round < WarmUpRounds + Rounds; ++round) {
        type(handle, Qt::Key_Return, u"\r"_s);
        QTest::qWait(20);
        QList<int> positions;
        for (int i = 0; i < Word.size(); ++i)
            positions.append(i);
        std::shuffle(positions.begin(), positions.end(), order);
        for (const int position : positions) {
            const QChar letter = Word[position];
            paints.watch(window.slot(position));
            const qint64 pressed = clock.nsecsElapsed();
            type(handle, Qt::Key(Qt::Key_A + (letter.unicode() - u'A')), letter.toLower());
            QElapsedTimer waited;
            waited.start();
            while (paints.paintedAt() < 0 && waited.elapsed() < 1000)
                QCoreApplication::processEvents();
            if (paints.paintedAt() < 0 || window.slot(position)->text() != letter) {
                std::fprintf(stderr, "slot %d did not show its letter within a second\n", position);
                return 1;
            }
            if (round >= WarmUpRounds)
                latencies.push_back(double(paints.paintedAt() - pressed) / 1e6);
            // A child types a few letters a second, not thousands.
            QTest::qWait(5);
        }
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("key press to the slot's repaint, %zu keys: median %.2f ms, 99th percentile "
                "%.2f ms, max %.2f ms (target: within one 60 Hz frame, 16.7 ms)\n",
        latencies.size(), percentile(latencies, 0.5), percentile(latencies, 0.99),
        latencies.back());
    return 0;
}
