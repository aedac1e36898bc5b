#pragma once

#include <QString>

// The program's pictures, as resources drawn from the SVG files under assets/.
namespace Pictures {

// Gallows picture 0 (the empty gallows) to 8 (the figure set free).
inline QString gallows(int index)
{
    return QStringLiteral(":/gallows/hang%1.svg").arg(index);
}

} // namespace Pictures
