#include "PictureBox.h"

#include <QPainter>
#include <QSvgRenderer>

PictureBox::PictureBox(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
{
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (!m_renderer)
        m_renderer = new QSvgRenderer(m_resource, this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    m_renderer->render(&painter, QRectF(rect()));
}
