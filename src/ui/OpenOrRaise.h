#pragma once

#include <QPointer>
#include <QWidget>

// Brings a window of the program to the front as the player left it, back from the task bar if
// it was minimized, maximized if it was maximized.
inline void bringToFront(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// A menu command's window: the first choice opens the window create makes, later ones bring that
// same window to the front. Once the window has closed and gone, the next choice makes a new one.
template<typename Window, typename Create>
Window *openOrRaise(QPointer<Window> &window, Create create)
{
    if (!window)
        window = create();
    bringToFront(window);
    return window;
}
