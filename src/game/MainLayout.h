#pragma once

#include <QPointF>
#include <QRectF>

#include <array>
#include <optional>

// Where the main window's controls go for an inner size, in twips. Values are exact: rounding to
// pixels happens once, when the window places its widgets.
struct MainLayout
{
    static constexpr double RestoredWidth = 9504;
    static constexpr double RestoredHeight = 5316;
    static constexpr double LetterHeight = 252;
    static constexpr double StartWidth = 1020;
    static constexpr double StartHeight = 372;
    static constexpr double PromptWidth = 852;
    static constexpr double PromptHeight = 1452;
    static constexpr double ButtonsLabelWidth = 1332;
    static constexpr double ButtonsLabelHeight = 252;
    static constexpr double PictureWidth = 2892;
    static constexpr double PictureHeight = 3492;
    static constexpr double SpellLeft = 396;
    static constexpr double WinTop = 100;

    std::array<QRectF, 28> letters;
    std::array<QRectF, 15> slots;
    QRectF start;
    QRectF prompt;
    QPointF spelling; // the label sizes itself; only its place is set
    QRectF lettersHeading;
    QRectF picture;

    // Nothing while the window is too narrow for a letter button (W < 4, as when minimized).
    // "From these letters" is centred at its own width, which a wider font may stretch.
    static std::optional<MainLayout> forInnerSize(
        double W, double H, double buttonsLabelWidth = ButtonsLabelWidth);
};
