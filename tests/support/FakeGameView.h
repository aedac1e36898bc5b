#pragma once

#include "game/GameView.h"

#include <QString>

#include <array>
#include <map>

// Keeps what the main window would show, so tests can look at the screen after each action.
class FakeGameView final : public GameView
{
public:
    struct LabelState
    {
        bool visible = false;
        QString caption;
    };
    struct SlotState
    {
        bool visible = false;
        QString caption;
        QString toolTip;
    };
    struct LetterState
    {
        bool enabled = false;
        QColor color;
    };

    void setLabelVisible(Label label, bool visible) override { labels[label].visible = visible; }
    void setLabelText(Label label, const QString &caption) override;
    int remarkWidth() const override { return remarkLabelWidth; }
    void setRemarkLeft(int left) override { remarkLeft = left; }
    int innerWidth() const override { return windowWidth; }
    void setSlotVisible(int index, bool visible) override { slots.at(index).visible = visible; }
    void setSlotText(int index, const QString &caption) override;
    void setSlotToolTip(int index, const QString &toolTip) override;
    void setLetterEnabled(int index, bool enabled) override { letters.at(index).enabled = enabled; }
    void setLetterColor(int index, const QColor &color) override
    {
        letters.at(index).color = color;
    }
    void showGallowsPicture(int index) override;

    const LabelState &label(Label which) { return labels[which]; }
    int visibleSlotCount() const;
    QString slotCaptions() const; // the shown slots, '_' for an empty one
    int enabledLetterCount() const;

    std::map<Label, LabelState> labels;
    std::array<SlotState, 15> slots{};
    std::array<LetterState, 28> letters{};
    int shownGallowsPicture = 0;
    int hangPictureChanges = 0;
    int remarkLeft = 0;
    int remarkLabelWidth = 1500;
    int windowWidth = 9504;
};
