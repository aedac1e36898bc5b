#include "AudioPlayer.h"
#include "ClockRandom.h"
#include "DiskFileSystem.h"
#include "Form1.h"
#include "Module1.h"
#include "QtFileDialogs.h"
#include "QtMessageBoxes.h"
#include "SteadyClock.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Wordrow"_s);

    Module1 state;
    QtMessageBoxes messages;
    QtFileDialogs dialogs;
    DiskFileSystem files;
    AudioPlayer player;
    SteadyClock clock;
    ClockRandom random(clock);

    Form1 window(state, Platform{messages, dialogs, files, player, random});
    messages.setParentWidget(&window);
    dialogs.setParentWidget(&window);
    window.Form_Load();
    if (!window.isTitleScreenOpen())
        window.showMaximized();
    // Drawing the icon from its SVG loads a plugin: not worth delaying the window for.
    QTimer::singleShot(0, &window, [] { QApplication::setWindowIcon(QIcon(u":/wordrow.svg"_s)); });
    return QApplication::exec();
}
