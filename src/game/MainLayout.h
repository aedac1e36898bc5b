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
    static constexpr double NewWordWidth = 1020;
    static constexpr double NewWordHeight = 372;
    static constexpr double PromptWidth = 852;
    static constexpr double PromptHeight = 1452;
    static constexpr double LettersHeadingWidth = 1332;
    static constexpr double LettersHeadingHeight = 252;
    static constexpr double GallowsWidth = 2892;
    static constexpr double GallowsHeight = 3492;
    static constexpr double SpellingLeft = 396;
    static constexpr double RemarkTop = 100;

    std::array<QRectF, 28> letters;
    std::array<QRectF, 15> slots;
    QRectF newWordButton;
    QRectF prompt;
    QPointF spelling; // the label sizes itself; only its place is set
    QRectF lettersHeading;
    QRectF gallowsPicture;

    // Nothing while the window is too narrow for a letter button (W < 4, as when minimized).
    // "From these letters" is centred at its own width, which a wider font may stretch.
    static std::optional<MainLayout> forInnerSize(
        double W, double H, double lettersHeadingWidth = LettersHeadingWidth);
};
