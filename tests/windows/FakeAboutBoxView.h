#pragma once

#include "windows/AboutBoxView.h"

#include <QRectF>
#include <QString>

// The about box's controls as plain values, at their opening state. A label's width follows its
// caption, as the window's labels do when their text changes.
class FakeAboutBoxView final : public AboutBoxView
{
public:
    struct Bear
    {
        bool visible = false;
        QRectF geometry;
    };
    struct Comment
    {
        bool visible = false;
        QString caption;
        QRectF geometry;
    };

    static constexpr double CharWidth = 90;
    static constexpr double LabelHeight = 195;

    FakeAboutBoxView()
    {
        bears[0].geometry = QRectF(360, 360, 540, 540);
        bears[1].geometry = QRectF(3120, 360, 540, 540);
        setCommentCaption(Side::Left, QStringLiteral("That Tickles"));
        setCommentCaption(Side::Right, QStringLiteral("That Tickles"));
        comments[0].geometry.moveTopLeft(QPointF(0, 120));
        comments[1].geometry.moveTopLeft(QPointF(2760, 120));
    }

    Bear &bear(Side side) { return bears[side == Side::Left ? 0 : 1]; }
    Comment &comment(Side side) { return comments[side == Side::Left ? 0 : 1]; }
    const Bear &bear(Side side) const { return bears[side == Side::Left ? 0 : 1]; }
    const Comment &comment(Side side) const { return comments[side == Side::Left ? 0 : 1]; }

    bool isBearVisible(Side side) const override { return bear(side).visible; }
    void showBear(Side side) override { bear(side).visible = true; }
    QRectF bearGeometry(Side side) const override { return bear(side).geometry; }
    void setBearTop(Side side, double top) override { bear(side).geometry.moveTop(top); }

    QString commentCaption(Side side) const override { return comment(side).caption; }
    void setCommentCaption(Side side, const QString &caption) override
    {
        comment(side).caption = caption;
        comment(side).geometry.setSize(QSizeF(CharWidth * caption.size(), LabelHeight));
    }
    QRectF commentGeometry(Side side) const override { return comment(side).geometry; }
    void setCommentTop(Side side, double top) override { comment(side).geometry.moveTop(top); }
    void setCommentLeft(Side side, double left) override { comment(side).geometry.moveLeft(left); }
    void setCommentVisible(Side side, bool visible) override { comment(side).visible = visible; }

    Bear bears[2];
    Comment comments[2];
};
