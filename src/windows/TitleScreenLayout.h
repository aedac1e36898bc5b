#pragma once

#include <QPointF>
#include <QSizeF>

// Where the title screen's controls stand for an inner size, in twips. Sizes are the controls'
// own; only positions follow the window.
struct TitleScreenLayout
{
    struct Sizes
    {
        QSizeF title;
        QSizeF makerLine;
        QSizeF dedication;
        QSizeF leftGallows;
        QSizeF rightGallows;
    };

    static TitleScreenLayout forInnerSize(double width, double height, const Sizes &sizes);

    QPointF hideCheckBox;
    QPointF okButton;
    QPointF titlePicture;
    QPointF makerLine;
    QPointF leftBear;
    QPointF rightBear;
    QPointF leftGallows;
    QPointF rightGallows;
    QPointF dedication;
};
