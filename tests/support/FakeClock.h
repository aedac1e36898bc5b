#pragma once

#include "core/Clock.h"

// A wall clock a test sets; its nanoseconds follow it.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime at = QDateTime(QDate(2026, 12, 8), QTime(9, 15)))
        : at(std::move(at))
    {
    }
    qint64 nanoseconds() const override { return at.toMSecsSinceEpoch() * 1'000'000; }
    QDateTime now() const override { return at; }

    QDateTime at;
};
