#pragma once

#include "record/PracticeFigures.h"

#include <QWidget>

// Rounds per day as bars, won below and lost on top, the weeks apart. Painted rather than built
// on a chart library: nothing more to load when the window opens, and the same figures are given
// to screen readers as text.
class DayChart : public QWidget
{
    Q_OBJECT

public:
    static constexpr QRgb WonColor = 0x2E8B57;
    static constexpr QRgb LostColor = 0xCD5C5C;

    explicit DayChart(QWidget *parent = nullptr);

    void setDays(const QList<PracticeFigures::Day> &days);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<PracticeFigures::Day> m_days;
};
