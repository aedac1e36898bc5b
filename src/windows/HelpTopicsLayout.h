#pragma once

#include <QRectF>

// Where the help window's controls go for an inner size, in twips: a contents column at the
// left, a title band and a heading band across the rest, and under them a blank strip and the
// text. Sizes that the formulas would make negative in a very small window are 0.
struct HelpTopicsLayout
{
    static constexpr double RestoredWidth = 7128;
    static constexpr double RestoredHeight = 6528;
    static constexpr double BandHeight = 372;
    static constexpr double MarginWidth = 100;
    static constexpr double ContentsShare = 0.28;

    QRectF contentsLabel;
    QRectF titleLabel;
    QRectF headingLabel;
    QRectF contents;
    QRectF margin;
    QRectF description;

    static HelpTopicsLayout forInnerSize(double W, double H);
};
