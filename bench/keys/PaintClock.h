#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>

// Notes when a watched widget has finished painting itself.
class PaintClock : public QObject
{
    Q_OBJECT

public:
    explicit PaintClock(const QElapsedTimer &clock)
        : m_clock(clock)
    {
    }

    void watch(QWidget *widget)
    {
        if (m_watched)
            m_watched->removeEventFilter(this);
        m_watched = widget;
        m_paintedAt = -1;
        widget->installEventFilter(this);
    }
    qint64 paintedAt() const { return m_paintedAt; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_watched || event->type() != QEvent::Paint)
            return false;
        // Paints now, past the filters, so that the time taken includes the painting itself.
        watched->event(event);
        m_paintedAt = m_clock.nsecsElapsed();
        return true;
    }

private:
    const QElapsedTimer &m_clock;
    QWidget *m_watched = nullptr;
    qint64 m_paintedAt = -1;
};
