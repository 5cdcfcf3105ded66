#pragma once

#include "platform/integer.h"

#include <QString>

namespace Feasts
{

// The Italian public holidays and feast days of `year`, one per line in a fixed
// order (never sorted by date), each with the weekday it falls on. Lines are
// separated by a single line feed, with none after the last.
QString holidayListText(Integer year);

// "Festività anno 2010"
QString holidayListTitle(Integer year);

} // namespace Feasts
