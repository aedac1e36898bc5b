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

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Wordrow"_s);
    QApplication::setWindowIcon(QIcon(u":/wordrow.svg"_s));

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
    window.showMaximized();
    return QApplication::exec();
}
