#include "app/FocusFrameButton.h"

#include <QPainter>

void FocusFrameButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    constexpr qreal width = 2;
    painter.setPen(QPen(FocusColor, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(
        QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2), 3, 3);
}
