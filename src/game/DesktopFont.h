#pragma once

#include <QFont>
#include <QGuiApplication>

// The desktop's own sans-serif at the size and weight a window asks for. It stands in for the
// narrow sans-serif the windows were laid out for; asking for a family by name would cost a font
// search per size.
inline QFont desktopFont(double points, bool bold = false, bool italic = false)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
