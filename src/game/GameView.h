#pragma once

#include <QColor>
#include <QString>

// What a round asks of the main window. The window implements it; the round never sees a widget.
// Lengths are in twips.
class GameView
{
public:
    enum class Label { Prompt, Remark, Spelling, LettersHeading };

    virtual ~GameView() = default;

    virtual void setLabelVisible(Label label, bool visible) = 0;
    virtual void setLabelText(Label label, const QString &caption) = 0;

    // The remark label sizes itself to its caption; the round reads that width and places it.
    virtual int remarkWidth() const = 0;
    virtual void setRemarkLeft(int left) = 0;
    virtual int innerWidth() const = 0;

    // The letter slots, 0 to 14.
    virtual void setSlotVisible(int index, bool visible) = 0;
    virtual void setSlotText(int index, const QString &caption) = 0;
    virtual void setSlotToolTip(int index, const QString &toolTip) = 0;

    // The letter buttons, 0 to 27.
    virtual void setLetterEnabled(int index, bool enabled) = 0;
    virtual void setLetterColor(int index, const QColor &color) = 0;

    // Shows gallows picture index and hides the others.
    virtual void showGallowsPicture(int index) = 0;
};
