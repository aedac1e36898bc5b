#pragma once

#include <QColor>
#include <QPushButton>

// A push button that shows the keyboard focus as a dark frame. The style's own focus mark on a
// default button is a pale line hardly told from its unfocused look, and players who move with
// Tab and the arrows must see where they are.
class FocusFrameButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // The frame's colour, shared with the letter buttons: dark on every face the game paints.
    static inline const QColor FocusColor{0x1c, 0x3f, 0x94};

protected:
    void paintEvent(QPaintEvent *event) override;
};
