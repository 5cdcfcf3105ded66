#pragma once

#include "platform/integer.h"

#include <QDateTime>
#include <QString>

// The holiday lists as an iCalendar file (RFC 5545), for any calendar program
// to import.
namespace Feasts
{

struct Comune;

// The lists of the years `firstYear` to `lastYear` (1900-2100), with
// `comune`'s day, one all-day event an entry, lines ending in CRLF. `stamp` is
// when the file is written; an event's UID depends on its year and its entry
// alone, so that a file imported again updates the events instead of doubling
// them.
QString holidayCalendar(
    Integer firstYear, Integer lastYear, const QDateTime &stamp, const Comune *comune = nullptr);

// "NAME:text", the text's backslashes, semicolons, commas and line feeds escaped, folded
// at 75 octets without splitting a character; each line ends in CRLF.
QString calendarTextLine(QStringView name, QStringView text);

} // namespace Feasts
