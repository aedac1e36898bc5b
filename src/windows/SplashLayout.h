#pragma once

#include <QPointF>
#include <QSizeF>

// Where the title screen's controls stand for an inner size, in twips. Sizes are the controls'
// own; only positions follow the window.
struct SplashLayout
{
    struct Sizes
    {
        QSizeF title;
        QSizeF makerLine;
        QSizeF dedication;
        QSizeF hangLeft;
        QSizeF hangRight;
    };

    static SplashLayout forInnerSize(double width, double height, const Sizes &sizes);

    QPointF chkHideSplash;
    QPointF cmdOK;
    QPointF imgTitle;
    QPointF lblQuilbyte;
    QPointF imgBearLeft;
    QPointF imgBearRight;
    QPointF imgHangLeft;
    QPointF imgHangRight;
    QPointF lblDedication;
};
