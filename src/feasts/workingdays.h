#pragma once

#include <QDate>

#include <optional>

namespace Feasts
{

struct Comune;

// The working days from `first` to `last`, both counted: Monday to Friday,
// less the days off by each year's law and, with a comune, its own day.
// `first` is not after `last`; the law is known for 1900-2100.
qint64 workingDays(QDate first, QDate last, const Comune *comune = nullptr);

// The day `count` working days after `from` (before it when `count` is
// negative), `from` not counted; none when it, or a day counted to reach it,
// falls outside 1900-2100.
std::optional<QDate> deadline(QDate from, qint64 count, const Comune *comune = nullptr);

} // namespace Feasts
