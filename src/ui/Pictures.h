#pragma once

#include "core/PictureSet.h"

#include <QString>

// The program's pictures, as resources drawn from the SVG files under assets/.
namespace Pictures {

// Gallows picture 0 (the empty gallows) to 8 (the figure set free).
inline QString gallows(int index)
{
    return QStringLiteral(":/gallows/hang%1.svg").arg(index);
}

// Picture 0 (the start) to 8 (the win) of a set: for the snowman, 0 the snowman in the shade,
// 1 to 6 a sun growing as he melts, 7 the puddle he leaves, 8 the snowman cheering in new snow.
inline QString round(PictureSet::Set set, int index)
{
    if (set == PictureSet::Set::Snowman)
        return QStringLiteral(":/snowman/snow%1.svg").arg(index);
    return gallows(index);
}

// The title screen's picture: the set's own, so that no rope hangs over the snowman.
inline QString title(PictureSet::Set set)
{
    return set == PictureSet::Set::Snowman ? QStringLiteral(":/snowman/title.svg")
                                           : QStringLiteral(":/title.svg");
}

} // namespace Pictures
