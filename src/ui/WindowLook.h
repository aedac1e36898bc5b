#pragma once

#include "ui/Twips.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QRectF>
#include <QWidget>

class QLabel;

// How every window of the game sets up its controls: fonts, places in twips, colours.

// The colours the game's windows share, each under one name wherever it is used.
namespace Colors {

constexpr QColor Peach(255, 224, 192);
constexpr QColor PaleYellow(255, 255, 192);
constexpr QColor LightGrey(224, 224, 224);
constexpr QColor DarkRed(192, 0, 0);
constexpr QColor DarkBlue(0, 0, 192);

} // namespace Colors

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

// The text and background colours of a control; an invalid QColor leaves that one as it is.
inline void setColors(QWidget *widget, const QColor &text, const QColor &background = QColor())
{
    QPalette palette = widget->palette();
    if (text.isValid())
        palette.setColor(QPalette::WindowText, text);
    if (background.isValid())
        palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
}

// A label that shows its text as typed, never as markup: words come from the player's own files.
QLabel *createLabel(
    const QString &text, const QFont &font, Qt::Alignment alignment, QWidget *parent);
