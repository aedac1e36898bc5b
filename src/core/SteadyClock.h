#pragma once

#include "core/Clock.h"

class SteadyClock final : public Clock
{
public:
    qint64 nanoseconds() const override;
    QDateTime now() const override;
};
