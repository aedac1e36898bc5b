#pragma once

#include <QColor>
#include <QPushButton>

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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
};
