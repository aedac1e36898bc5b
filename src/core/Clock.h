#pragma once

#include <QtGlobal>

// A high-resolution clock to seed the random source from.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 nanoseconds() const = 0;
};
