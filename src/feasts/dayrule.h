#pragma once

#include "platform/integer.h"

#include <QDate>

#include <optional>

namespace Feasts
{

inline constexpr int FromEaster = 0; // as a month: the day counts from Easter Sunday

// A day of every year: a fixed day, a day counted from Easter Sunday, or the
// first given weekday on or after a fixed day ("the first Tuesday of May").
struct DayRule {
    int month; // [1, 12], or FromEaster
    int day; // of the month, or days from Easter Sunday
    int weekday = 0; // [1, 7], Monday = 1 as in Qt; 0: the day itself
};

// None when the day cannot be built (an Easter the method does not know).
std::optional<QDate> dayIn(const DayRule &rule, Integer year);

} // namespace Feasts
