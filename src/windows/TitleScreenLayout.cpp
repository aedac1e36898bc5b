#include "windows/TitleScreenLayout.h"

#include <algorithm>

TitleScreenLayout TitleScreenLayout::forInnerSize(double width, double height, const Sizes &sizes)
{
    TitleScreenLayout layout;
    layout.hideCheckBox = {400, height - 1000};
    layout.okButton = {width - 1300, height - 900};
    layout.titlePicture = {(width - sizes.title.width()) / 2, height / 6};
    const QPointF title = layout.titlePicture;
    layout.makerLine
        = {(width - sizes.makerLine.width()) / 2, title.y() + sizes.title.height() + 200};
    const QPointF maker = layout.makerLine;
    layout.leftBear = {maker.x() - 540, maker.y()};
    // 1480 leaves 100 after a maker line of the designed width; a wider font moves the bear on
    // rather than over the text.
    layout.rightBear = {maker.x() + std::max(1480.0, sizes.makerLine.width() + 100), maker.y()};
    layout.leftGallows = {title.x() - sizes.leftGallows.width() - 100, title.y()};
    // It reaches under the title's right edge; the title lies in front.
    layout.rightGallows = {title.x() + sizes.title.width() - 300, title.y()};
    layout.dedication
        = {(width - sizes.dedication.width()) / 2, maker.y() + sizes.makerLine.height() + 100};
    return layout;
}
