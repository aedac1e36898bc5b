#include "game/MainLayout.h"

#include <cmath>

std::optional<MainLayout> MainLayout::forInnerSize(double W, double H, double buttonsLabelWidth)
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

    layout.start = QRectF(W - 1300, letterTop - 270 - slotSize, StartWidth, StartHeight);
    layout.prompt = QRectF(W - 1300, layout.start.top() - 1500, PromptWidth, PromptHeight);
    layout.spelling = QPointF(SpellLeft, slotTop - 252);
    layout.lettersHeading = QRectF((W - buttonsLabelWidth) / 2, H - ButtonsLabelHeight - 100,
        buttonsLabelWidth, ButtonsLabelHeight);
    layout.picture = QRectF((W - PictureWidth) / 2, 380, PictureWidth, PictureHeight);
    return layout;
}
