#include "ui/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

PictureBox::PictureBox(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
{
}

void PictureBox::setResource(const QString &resource)
{
    if (resource == m_resource)
        return;
    m_resource = resource;
    delete m_renderer;
    m_renderer = nullptr;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_resource.isEmpty())
        return;
    if (!m_renderer)
        m_renderer = new QSvgRenderer(m_resource, this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    m_renderer->render(&painter, QRectF(rect()));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}
