#pragma once

#include "platform/integer.h"

#include <QDate>
#include <QList>

namespace Feasts
{

struct Comune;

// A day as yyyymmdd, the way the law's tables write their bounds.
constexpr int dayNumber(int year, int month, int day)
{
    return year * 10000 + month * 100 + day;
}

// RD 1027/1913 took effect on 25 September 1913: the days off it abolished,
// the comuni's patron days among them, were still off before it that year.
inline constexpr int BeforeRd1027Of1913 = dayNumber(1913, 9, 24);

// The days on which nobody works by the law of `year` (1900-2100), and
// `comune`'s own day when it keeps one that year. The holiday list is the
// program's own and the same every year; this follows each year's law. A day
// may come twice, and weekends are not left out.
QList<QDate> lawDaysOff(Integer year, const Comune *comune = nullptr);

} // namespace Feasts
