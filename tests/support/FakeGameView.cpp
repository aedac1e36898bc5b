#include "support/FakeGameView.h"

#include <gtest/gtest.h>

#include <algorithm>

void FakeGameView::setLabelText(Label label, const QString &caption)
{
    labels[label].caption = caption;
}

void FakeGameView::setSlotText(int index, const QString &caption)
{
    slots.at(index).caption = caption;
}

void FakeGameView::setSlotToolTip(int index, const QString &toolTip)
{
    slots.at(index).toolTip = toolTip;
}

void FakeGameView::showGallowsPicture(int index)
{
    EXPECT_TRUE(index >= 0 && index <= 8) << "no gallows picture " << index;
    shownGallowsPicture = index;
    ++hangPictureChanges;
}

int FakeGameView::visibleSlotCount() const
{
    return int(
        std::count_if(slots.cbegin(), slots.cend(), [](const auto &s) { return s.visible; }));
}

QString FakeGameView::slotCaptions() const
{
    QString shown;
    for (const SlotState &slot : slots) {
        if (slot.visible)
            shown += slot.caption.isEmpty() ? QStringLiteral("_") : slot.caption;
    }
    return shown;
}

int FakeGameView::enabledLetterCount() const
{
    return int(
        std::count_if(letters.cbegin(), letters.cend(), [](const auto &l) { return l.enabled; }));
}
