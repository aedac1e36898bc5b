#include "core/RandomSource.h"

#include <algorithm>
#include <cmath>

int RandomSource::indexFor(double r, int count)
{
    const int index = int(std::floor(r * count));
    return std::clamp(index, 0, count - 1);
}
