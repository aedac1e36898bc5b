#include "core/SteadyClock.h"

#include <chrono>

qint64 SteadyClock::nanoseconds() const
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

QDateTime SteadyClock::now() const
{
    return QDateTime::currentDateTime();
}
