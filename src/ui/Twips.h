#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <cmath>

// Lengths of the game's windows are twips; the screen has device-independent pixels, 15 twips
// each. Every conversion happens here.
namespace Twips {

constexpr double PerPixel = 15;

inline int toPixels(double twips)
{
    return int(std::lround(twips / PerPixel));
}

inline double fromPixels(int pixels)
{
    return pixels * PerPixel;
}

// Edges are rounded, not sizes, so neighbouring controls neither gap nor overlap.
inline QRect toPixels(const QRectF &twips)
{
    const int left = toPixels(twips.left());
    const int top = toPixels(twips.top());
    return QRect(
        QPoint(left, top), QPoint(toPixels(twips.right()) - 1, toPixels(twips.bottom()) - 1));
}

inline QPoint toPixels(const QPointF &twips)
{
    return QPoint(toPixels(twips.x()), toPixels(twips.y()));
}

// A size on its own has no edges to share: each length is rounded.
inline QSize toPixels(const QSizeF &twips)
{
    return QSize(toPixels(twips.width()), toPixels(twips.height()));
}

inline QSizeF fromPixels(const QSize &pixels)
{
    return QSizeF(fromPixels(pixels.width()), fromPixels(pixels.height()));
}

inline QRectF fromPixels(const QRect &pixels)
{
    return QRectF(
        QPointF(fromPixels(pixels.x()), fromPixels(pixels.y())), fromPixels(pixels.size()));
}

} // namespace Twips
