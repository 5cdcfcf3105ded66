#pragma once

#include <QDateTime>

// Where "now" comes from, so that start-up and the default year can be tested
// on any day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
