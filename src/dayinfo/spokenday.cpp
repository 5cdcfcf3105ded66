#include "spokenday.h"

#include "dayinfo/inforow.h"
#include "feasts/holidays.h"

#include <QLocale>

namespace DayInfo
{

namespace
{
const QLocale &italian()
{
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}
} // namespace

QString spokenDate(QDate day)
{
    return italian().toString(day, QStringLiteral("dddd d MMMM yyyy"));
}

QString spokenWeekday(int dayOfWeek)
{
    return italian().dayName(dayOfWeek, QLocale::LongFormat);
}

QString spokenWeek(int week)
{
    return QStringLiteral("settimana %1").arg(week);
}

QString spokenHolidays(QDate day)
{
    return Feasts::holidayNames(day, day).value(day).replace(u'\n', QStringLiteral(", "));
}

QString spokenRow(QDate day)
{
    const std::array<int, 3> values = rowValues(day);
    return QStringLiteral("trimestre %1, settimana %2, giorno dell'anno %3")
        .arg(values[0])
        .arg(values[1])
        .arg(values[2]);
}

QString spokenCountArmed(QDate start)
{
    return QStringLiteral("Conteggio dei giorni avviato da %1").arg(spokenDate(start));
}

QString spokenCountDisarmed()
{
    return QStringLiteral("Conteggio dei giorni annullato");
}

QDate dayOfPage(int year, int month, int weekRow, int dayNumber)
{
    const QDate first(year, month, 1);
    // A day number above 7 in the first row, or below 15 in the last two,
    // cannot be the page's own month.
    if (weekRow == 0 && dayNumber > 7)
        return first.addMonths(-1).addDays(dayNumber - 1);
    if (weekRow >= 4 && dayNumber < 15)
        return first.addMonths(1).addDays(dayNumber - 1);
    return first.addDays(dayNumber - 1);
}

} // namespace DayInfo
