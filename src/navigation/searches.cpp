#include "searches.h"

#include "platform/dates.h"

namespace
{

// The Monday of ISO week `week` of `year`, counted from the week of 4 January.
QDate isoMonday(int week, int year)
{
    const QDate fourth(year, 1, 4);
    return fourth.addDays(7 * (week - 1) + 1 - fourth.dayOfWeek());
}

} // namespace

namespace Navigation
{

std::optional<QDate> findWeekStart(Integer week, Integer year)
{
    if (!Dates::isTypedYear(year) || week < 1 || week > 53)
        return std::nullopt;
    const QDate newYear(year, 1, 1);
    // A week belongs to the year of its Thursday.
    const QDate monday = isoMonday(week, year);
    if (monday.addDays(3).year() == year)
        return std::max(monday, newYear);
    // Week 53 of the year before, when the year begins inside it.
    const QDate lastYears53 = isoMonday(53, year - 1);
    if (week == 53 && lastYears53.addDays(3).year() == year - 1 && newYear < lastYears53.addDays(7))
        return newYear;
    return std::nullopt;
}

std::optional<QDate> findQuarterStart(Integer quarter, Integer year)
{
    if (!Dates::isTypedYear(year) || quarter < 1 || quarter > 4)
        return std::nullopt;
    return QDate(year, 3 * quarter - 2, 1);
}

std::optional<QDate> findDayOfYear(Integer day, Integer year)
{
    if (!Dates::isTypedYear(year) || day < 1 || day > QDate(year, 1, 1).daysInYear())
        return std::nullopt;
    return QDate(year, 1, 1).addDays(day - 1);
}

QString weekNotFoundMessage()
{
    return QStringLiteral("Attenzione: la settimana cercata non esiste.");
}

QString dayNotFoundMessage()
{
    return QStringLiteral("Attenzione: il giorno cercato non esiste.");
}

} // namespace Navigation
