#include "progress/DayChart.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

DayChart::DayChart(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(u"Rounds per day"_s);
    setFocusPolicy(Qt::StrongFocus);
}

void DayChart::setDays(const QList<PracticeFigures::Day> &days)
{
    m_days = days;
    update();
}

QSize DayChart::sizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 12);
}

QSize DayChart::minimumSizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * 40, fontMetrics().height() * 8);
}

void DayChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (m_days.isEmpty())
        return;

    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    int most = 1;
    for (const PracticeFigures::Day &day : std::as_const(m_days))
        most = std::max(most, day.won + day.lost);

    // Room at the left for the scale, below for the week labels, above for the legend.
    const QRect plot = rect().adjusted(
        metrics.horizontalAdvance(QString::number(most)) + 12, lineHeight + 8, -8, -lineHeight - 8);
    const double slot = double(plot.width()) / double(m_days.size());
    const double bar = std::max(1.0, slot * 0.7);
    const auto heightOf = [&](int rounds) { return plot.height() * double(rounds) / most; };

    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawText(QRect(0, plot.top() - lineHeight / 2, plot.left() - 6, lineHeight),
        Qt::AlignRight | Qt::AlignVCenter, QString::number(most));
    painter.drawText(QRect(0, plot.bottom() - lineHeight / 2, plot.left() - 6, lineHeight),
        Qt::AlignRight | Qt::AlignVCenter, u"0"_s);

    for (qsizetype i = 0; i < m_days.size(); ++i) {
        const PracticeFigures::Day &day = m_days[i];
        const double left = plot.left() + slot * double(i) + (slot - bar) / 2;
        const double won = heightOf(day.won);
        const double lost = heightOf(day.lost);
        painter.fillRect(QRectF(left, plot.bottom() - won, bar, won), QColor(WonColor));
        painter.fillRect(QRectF(left, plot.bottom() - won - lost, bar, lost), QColor(LostColor));
        // Each week is labelled by its Monday.
        if (day.date.dayOfWeek() == 1) {
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(QPointF(left, plot.bottom() + lineHeight + 2),
                QLocale().toString(day.date, u"d MMM"_s));
        }
    }

    // The legend, so colour is not the only thing that tells won from lost.
    int x = plot.left();
    for (const auto &[color, text] :
        {std::pair{QColor(WonColor), u"won"_s}, std::pair{QColor(LostColor), u"lost"_s}}) {
        painter.fillRect(QRect(x, 4, lineHeight - 4, lineHeight - 4), color);
        x += lineHeight;
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QPoint(x, 4 + metrics.ascent() - 2), text);
        x += metrics.horizontalAdvance(text) + lineHeight;
    }
}
