#include "app/MainWindow.h"
#include "classrecord/ClassRecordListSource.h"
#include "classrecord/PostgresClassDatabase.h"
#include "classrecord/PostgresClassSetUp.h"
#include "core/ClockRandom.h"
#include "core/GameState.h"
#include "core/SteadyClock.h"
#include "platform/DiskFileSystem.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "record/SqlitePracticeRecord.h"
#include "sound/AudioPlayer.h"
#include "speech/QtSpeaker.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // The administrator's set-up of a class database runs without a window, on a server too.
    for (int i = 1; i < argc; ++i) {
        if (QByteArrayView(argv[i]).startsWith("--set-up-class-record")) {
            QCoreApplication app(argc, argv);
            return PostgresClassSetUp::runCommandLine(QCoreApplication::arguments());
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Wordrow"_s);

    GameState state;
    QtMessageBoxes messages;
    QtFileDialogs dialogs;
    DiskFileSystem files;
    AudioPlayer player;
    SteadyClock clock;
    ClockRandom random(clock);
    QtSpeaker speaker;

    // Opened when first needed, in the folder start-up settles on.
    SqlitePracticeRecord record([&state] { return state.homeDir; }, messages);

    MainWindow window(state, Services{messages, dialogs, files, player, random, speaker});
    window.setPracticeRecord(record, clock);
    window.setClassRecord(record, PostgresClassDatabase::factory());
    window.setClassListSource(ClassRecordListSource::factory(PostgresClassDatabase::factory()));
    messages.setParentWidget(&window);
    dialogs.setParentWidget(&window);
    window.start();
    if (!window.isTitleScreenOpen())
        window.showMaximized();
    // Drawing the icon from its SVG loads a plugin: not worth delaying the window for.
    QTimer::singleShot(0, &window, [] { QApplication::setWindowIcon(QIcon(u":/wordrow.svg"_s)); });
    return QApplication::exec();
}
