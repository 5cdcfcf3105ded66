#include "workingdays.h"

#include "lawdays.h"
#include "platform/dates.h"

#include <QSet>

#include <algorithm>

namespace
{

// Mondays to Fridays before `day`, counted from Julian day 0, a Monday.
qint64 weekdaysBefore(QDate day)
{
    const qint64 julianDay = day.toJulianDay();
    return julianDay / 7 * 5 + std::min<qint64>(julianDay % 7, 5);
}

bool knowsLaw(QDate day)
{
    return Dates::isTypedYear(day.year());
}

// More working days than 1900-2100 holds: the deadline falls outside them.
constexpr qint64 MaxCount = qint64(201) * 366;

} // namespace

namespace Feasts
{

qint64 workingDays(QDate first, QDate last, const Comune *comune)
{
    QSet<QDate> daysOff; // a set: a comune's day may be a national one too
    const Dates::YearSpan years = Dates::typedYearsBetween(first, last);
    for (int year = years.from; year <= years.to; ++year) {
        for (const QDate day : lawDaysOff(Integer(year), comune)) {
            if (day >= first && day <= last && day.dayOfWeek() <= Qt::Friday)
                daysOff << day;
        }
    }
    return weekdaysBefore(last.addDays(1)) - weekdaysBefore(first) - daysOff.size();
}

std::optional<QDate> deadline(QDate from, qint64 count, const Comune *comune)
{
    // Bounded before std::abs, which has no answer for the smallest qint64.
    if (count > MaxCount || count < -MaxCount)
        return std::nullopt;
    const int step = count < 0 ? -1 : 1;
    qint64 left = std::abs(count);
    if (!knowsLaw(from.addDays(step)))
        return std::nullopt;
    QDate day = from;
    // Whole weeks hold five weekdays each, less their days off: jump by as
    // many as leave one at least, so that the answer is a day walked to.
    while (left > 5) {
        const QDate next = day.addDays(step * ((left - 1) / 5) * 7);
        if (!knowsLaw(next))
            return std::nullopt;
        left -=
            step > 0 ? workingDays(day.addDays(1), next, comune) : workingDays(next, day.addDays(-1), comune);
        day = next;
    }
    // A week's worth at most is left: day by day.
    while (left > 0) {
        day = day.addDays(step);
        if (!knowsLaw(day))
            return std::nullopt;
        left -= workingDays(day, day, comune);
    }
    return day;
}

} // namespace Feasts
