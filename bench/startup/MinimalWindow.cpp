// Shows one empty main window and nothing else, so that the start-up benchmark can compare the
// game with what any Qt Widgets program pays to put a window on screen.
#include <QApplication>
#include <QMainWindow>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(u"Minimal window"_s);
    window.show();
    return QApplication::exec();
}
