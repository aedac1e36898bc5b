#include "app/LetterButton.h"

#include "app/FocusFrameButton.h"

#include <QPainter>

namespace {

const QColor BorderColor(0x80, 0x80, 0x80);
const QColor DisabledTextColor(0x6e, 0x6e, 0x6e);
// About as long as a quick mouse click holds a button down.
constexpr int TypedLookMs = 100;

} // namespace

LetterButton::LetterButton(QWidget *parent)
    : QPushButton(parent)
    , m_face(Qt::white)
{
    m_typedLook.setSingleShot(true);
    m_typedLook.setInterval(TypedLookMs);
    connect(&m_typedLook, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void LetterButton::pressFromKeyboard()
{
    if (!isEnabled())
        return;
    m_typedLook.start();
    update();
    click();
}

void LetterButton::setFaceColor(const QColor &color)
{
    if (color == m_face)
        return;
    m_face = color;
    update();
}

void LetterButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool focused = hasFocus();
    const qreal penWidth = focused ? 2 : 1;
    const QRectF face
        = QRectF(rect()).adjusted(penWidth / 2, penWidth / 2, -penWidth / 2, -penWidth / 2);
    painter.setPen(QPen(focused ? FocusFrameButton::FocusColor : BorderColor, penWidth));
    painter.setBrush(isDown() || m_typedLook.isActive() ? m_face.darker(125) : m_face);
    painter.drawRoundedRect(face, 2, 2);

    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : DisabledTextColor);
    // A doubled '&' keeps the button free of an access key and shows as one.
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextHideMnemonic, text());
}
