#pragma once

#include "ui/Twips.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QRectF>
#include <QWidget>

// How every window of the game sets up its controls: fonts, places in twips, colours.

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

inline void placeInTwips(QWidget *widget, const QRectF &twips)
{
    widget->setGeometry(Twips::toPixels(twips));
}

inline void setColors(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
}
