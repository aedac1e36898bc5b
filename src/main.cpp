#include "Module1.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Wordrow"_s);

    Module1 state;
    state.varHomeDir = QDir::currentPath();
    state.strLetters = Module1::letterSet();

    QMainWindow window;
    window.setWindowTitle(u"Wordrow"_s);
    window.resize(634, 354);
    window.show();
    return QApplication::exec();
}
