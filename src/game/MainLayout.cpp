#include "game/MainLayout.h"

#include <cmath>

std::optional<MainLayout> MainLayout::forInnerSize(double W, double H, double lettersHeadingWidth)
{
    if (W < 4)
        return std::nullopt;
    MainLayout layout;

    const double letterWidth = (W - 4) / 28;
    const double letterTop = H - LetterHeight - 375;
    for (int i = 0; i < 28; ++i)
        layout.letters[i] = QRectF(W / 28 * i + 2, letterTop, letterWidth, LetterHeight);

    const double slotSize = std::floor((W - W / 6) / 15);
    const double slotTop = letterTop - 270 - slotSize;
    for (int i = 0; i < 15; ++i)
        layout.slots[i] = QRectF((slotSize + 50) * i + 400, slotTop, slotSize, slotSize);

    layout.newWordButton
        = QRectF(W - 1300, letterTop - 270 - slotSize, NewWordWidth, NewWordHeight);
    layout.prompt = QRectF(W - 1300, layout.newWordButton.top() - 1500, PromptWidth, PromptHeight);
    layout.spelling = QPointF(SpellingLeft, slotTop - 252);
    layout.lettersHeading = QRectF((W - lettersHeadingWidth) / 2, H - LettersHeadingHeight - 100,
        lettersHeadingWidth, LettersHeadingHeight);
    layout.gallowsPicture = QRectF((W - GallowsWidth) / 2, 380, GallowsWidth, GallowsHeight);
    return layout;
}
