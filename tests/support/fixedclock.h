#pragma once

#include "platform/clock.h"

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime at) : current(std::move(at)) { }
    QDateTime now() const override { return current; }

    QDateTime current;
};
