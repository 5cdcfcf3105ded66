#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Calendar days in the proleptic Gregorian calendar, from 1 January 100 to
// 31 December 9999. A result outside that range is a failure (std::nullopt).
namespace Dates
{

QDate firstDate(); // 0100-01-01
QDate lastDate(); // 9999-12-31
bool inRange(QDate date);

// The years a typed answer may name, those of the holiday list; a typed date
// may name any year of the range above.
inline constexpr int FirstTypedYear = 1900;
inline constexpr int LastTypedYear = 2100;
constexpr bool isTypedYear(double year)
{
    return year >= FirstTypedYear && year <= LastTypedYear;
}

// The typed years that the days from `first` to `last` fall in, `from` to
// `to`; none when `from` is after `to`.
struct YearSpan {
    int from;
    int to;
};
YearSpan typedYearsBetween(QDate first, QDate last);

int quarter(QDate date); // [1, 4]
int isoWeek(QDate date); // [1, 53], Monday first, week 1 holds 4 January
int dayOfYear(QDate date); // [1, 366]
int weekday(QDate date); // [1, 7], Sunday = 1

// Whole days from `from` to `to`, negative when `to` is earlier.
qint64 daysBetween(QDate from, QDate to);

enum class Interval {
    Day, // "d"
    Week, // "ww", 7 days
    Quarter, // "q", 3 calendar months, the day clamped to a shorter month's end
};

std::optional<QDate> dateAdd(Interval interval, qint64 count, QDate date);
std::optional<QDate> dateSerial(int year, int month, int day);

// "d/m/yyyy" or "d/m/yy", day and month of one or two digits, blanks allowed
// around the whole text; a two-digit year 00-29 is 2000-2029, 30-99 is 1930-1999.
std::optional<QDate> textToDate(const QString &text);
bool isDate(const QString &text);

QString dateToText(QDate date); // "dd/mm/yyyy"
QString twoDigits(int number); // at least two digits: 4 -> "04"

} // namespace Dates
