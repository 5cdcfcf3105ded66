#pragma once

#include <QDate>
#include <QString>

// What a screen reader says of the calendar's cells, in Italian as a person
// says it.
namespace DayInfo
{

QString spokenDate(QDate day); // "venerdì 25 dicembre 2026"
QString spokenWeekday(int dayOfWeek); // 1 -> "lunedì"
QString spokenWeek(int week); // "settimana 22"
// The names the holiday list gives `day`, in its order, joined with ", ";
// empty on other days.
QString spokenHolidays(QDate day);
// The row's numbers of `day`, each with its word:
// "trimestre 2, settimana 22, giorno dell'anno 153".
QString spokenRow(QDate day);
// What "D" arming a count from `start`, and disarming it, say.
QString spokenCountArmed(QDate start);
QString spokenCountDisarmed();

// The date of the cell that shows `dayNumber` in week row `weekRow` (0-5) of
// the page of `year`/`month`: the first row may begin in the month before,
// the last two may end in the month after.
QDate dayOfPage(int year, int month, int weekRow, int dayNumber);

} // namespace DayInfo
