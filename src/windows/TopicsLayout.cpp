#include "TopicsLayout.h"

#include <algorithm>

namespace {

double notNegative(double length)
{
    return std::max(length, 0.0);
}

} // namespace

// Each control is placed from the sizes just given to the ones before it.
TopicsLayout TopicsLayout::forClientSize(double W, double H)
{
    W = notNegative(W);
    H = notNegative(H);
    TopicsLayout layout;

    layout.lblContents = QRectF(0, 0, ContentsShare * W, BandHeight);
    const double contentsWidth = layout.lblContents.width();
    layout.lblTitle = QRectF(contentsWidth, 0, W - contentsWidth, BandHeight);
    layout.lblHeading = QRectF(
        layout.lblTitle.left(), layout.lblTitle.height(), layout.lblTitle.width(), BandHeight);
    layout.lstContents = QRectF(0, layout.lblContents.height(), contentsWidth,
        notNegative(H - layout.lblContents.height()));

    const double bandsHeight = layout.lblHeading.height() + layout.lblTitle.height();
    const double listWidth = layout.lstContents.width();
    layout.lblMargin = QRectF(listWidth, bandsHeight, MarginWidth, notNegative(H - bandsHeight));
    layout.txtDescription = QRectF(layout.lblMargin.width() + listWidth, bandsHeight,
        notNegative(W - listWidth - layout.lblMargin.width()), notNegative(H - bandsHeight));
    return layout;
}
