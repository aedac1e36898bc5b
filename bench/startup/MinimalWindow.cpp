// Shows one empty main window and nothing else, so that the start-up benchmark can compare the
// game with what any Qt Widgets program pays to put a window on screen. With --text it also shows
// a menu and a line of bold text: the fixed cost of the font system, which an empty window never
// pays but every window with words does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(u"Minimal window"_s);
    if (QCoreApplication::arguments().contains(u"--text"_s)) {
        window.menuBar()->addMenu(u"&File"_s)->addAction(u"E&xit"_s);
        auto *label = new QLabel(u"Click here to start:"_s);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        window.setCentralWidget(label);
    }
    window.show();
    return QApplication::exec();
}
