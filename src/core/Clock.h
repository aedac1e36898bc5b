#pragma once

#include <QDateTime>
#include <QtGlobal>

// The machine's clocks: a high-resolution one to seed the random source from, and the wall clock
// that dates rounds and says which calendar day it is, so that tests can set the day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 nanoseconds() const = 0;
    // Local time.
    virtual QDateTime now() const = 0;
};
