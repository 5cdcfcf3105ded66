#include "searches.h"

#include "platform/dates.h"

namespace
{

constexpr int Monday = 2; // Dates::weekday() counts from Sunday = 1
constexpr int MaxDaysInYear = 366;

// The day written as `dayAndMonth` ("01/04/") followed by the year, read day
// first. A year of one or two digits would be read as 19xx or 20xx: refused.
std::optional<QDate> dateInYear(const QString &dayAndMonth, Integer year)
{
    const std::optional<QDate> date = Dates::textToDate(dayAndMonth + QString::number(year));
    if (!date || date->year() != year)
        return std::nullopt;
    return date;
}

std::optional<QDate> newYearsDay(Integer year)
{
    return dateInYear(QStringLiteral("01/01/"), year);
}

} // namespace

namespace Navigation
{

std::optional<QDate> findWeekStart(Integer week, Integer year)
{
    const std::optional<QDate> start = newYearsDay(year);
    if (!start)
        return std::nullopt;

    // Walk to the day after the first one that carries the week. Early January
    // days carrying 52 belong to the previous year's week 52: walk past them.
    // The walk ends at the latest on 1 January of the next year.
    QDate day = *start;
    int dayWeek = 0;
    do {
        dayWeek = Dates::isoWeek(day);
        day = day.addDays(1);
    } while (day.year() == year && (dayWeek != week || (week == 52 && day.month() == 1)));

    if (day.year() != year)
        return std::nullopt;

    // Weeks 1 and 53 may begin on another weekday: the first day that carries
    // them counts, one step back. Any other week goes back to its Monday.
    do {
        day = day.addDays(-1);
    } while (Dates::weekday(day) != Monday && week != 1 && week != 53);
    return day;
}

std::optional<QDate> findQuarterStart(Integer quarter, Integer year)
{
    if (quarter < 1 || quarter > 4)
        return std::nullopt;
    static const QString startTexts[] = {
        QStringLiteral("01/01/"),
        QStringLiteral("01/04/"),
        QStringLiteral("01/07/"),
        QStringLiteral("01/10/"),
    };
    return dateInYear(startTexts[quarter - 1], year);
}

std::optional<QDate> findDayOfYear(Integer day, Integer year)
{
    std::optional<QDate> date = newYearsDay(year);
    if (!date)
        return std::nullopt;
    // In a common year the last step lands on 1 January of the next year,
    // whose number 1 cannot match any more: 366 is then not found.
    for (int step = 0; step < MaxDaysInYear; ++step) {
        if (Dates::dayOfYear(*date) == day)
            return date;
        date = date->addDays(1);
    }
    return std::nullopt;
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
