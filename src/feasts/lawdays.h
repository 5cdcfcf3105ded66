#pragma once

#include "platform/integer.h"

#include <QDate>
#include <QList>

namespace Feasts
{

struct Comune;

// The days on which nobody works by the law of `year` (1900-2100), and
// `comune`'s own day when it keeps one that year. The holiday list is the
// program's own and the same every year; this follows each year's law. A day
// may come twice, and weekends are not left out.
QList<QDate> lawDaysOff(Integer year, const Comune *comune = nullptr);

} // namespace Feasts
