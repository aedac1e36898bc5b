#include "windows/HelpTopicsLayout.h"

#include <algorithm>

namespace {

double notNegative(double length)
{
    return std::max(length, 0.0);
}

} // namespace

// Each control is placed from the sizes just given to the ones before it.
HelpTopicsLayout HelpTopicsLayout::forInnerSize(double W, double H)
{
    W = notNegative(W);
    H = notNegative(H);
    HelpTopicsLayout layout;

    layout.contentsLabel = QRectF(0, 0, ContentsShare * W, BandHeight);
    const double contentsWidth = layout.contentsLabel.width();
    layout.titleLabel = QRectF(contentsWidth, 0, W - contentsWidth, BandHeight);
    layout.headingLabel = QRectF(layout.titleLabel.left(), layout.titleLabel.height(),
        layout.titleLabel.width(), BandHeight);
    layout.contents = QRectF(0, layout.contentsLabel.height(), contentsWidth,
        notNegative(H - layout.contentsLabel.height()));

    const double bandsHeight = layout.headingLabel.height() + layout.titleLabel.height();
    const double listWidth = layout.contents.width();
    layout.margin = QRectF(listWidth, bandsHeight, MarginWidth, notNegative(H - bandsHeight));
    layout.description = QRectF(layout.margin.width() + listWidth, bandsHeight,
        notNegative(W - listWidth - layout.margin.width()), notNegative(H - bandsHeight));
    return layout;
}
