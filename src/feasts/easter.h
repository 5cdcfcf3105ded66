#pragma once

#include "platform/integer.h"

#include <QDate>
#include <QList>

namespace Feasts
{

// Index of the last element of the ascending `list` that is not above `value`,
// searched downward from the end; -1 when `value` is below the first element.
Integer Find_Index(double value, QList<Integer> list);

// Easter Sunday of `year` in the Gregorian calendar, by Gauss's method. Years
// before 1583 have no row in the method's century table: an invalid date.
QDate Calc_Easter(Integer year);

} // namespace Feasts
