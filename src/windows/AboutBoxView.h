#pragma once

#include <QRectF>
#include <QString>

// The about box as its rules see it: two bears and a comment label above each. All lengths are
// twips; the window converts them.
class AboutBoxView
{
public:
    enum class Side { Left, Right };

    virtual ~AboutBoxView() = default;

    virtual bool isBearVisible(Side side) const = 0;
    virtual void showBear(Side side) = 0;
    virtual QRectF bearGeometry(Side side) const = 0;
    virtual void setBearTop(Side side, double top) = 0;

    virtual QString commentCaption(Side side) const = 0;
    // The label takes the size of its new text and keeps its left and top.
    virtual void setCommentCaption(Side side, const QString &caption) = 0;
    virtual QRectF commentGeometry(Side side) const = 0;
    virtual void setCommentTop(Side side, double top) = 0;
    virtual void setCommentLeft(Side side, double left) = 0;
    virtual void setCommentVisible(Side side, bool visible) = 0;
};
