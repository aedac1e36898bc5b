#pragma once

#include <QColor>
#include <QPushButton>
#include <QTimer>

// A letter button: a flat face in a colour of the game's choosing, which stays when the button
// is disabled (styles would grey it). Painted by hand, which is cheaper than a style sheet per
// button and looks the same in every style.
class LetterButton : public QPushButton
{
    Q_OBJECT

public:
    explicit LetterButton(QWidget *parent = nullptr);

    QColor faceColor() const { return m_face; }
    void setFaceColor(const QColor &color);
    // A key typed for this letter: the same click as the mouse's, if the button takes clicks.
    void pressFromKeyboard();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
    // click() alone never shows the button down: a typed letter shows it down for a moment after.
    QTimer m_typedLook;
};
