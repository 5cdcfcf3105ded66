#include "dates.h"

#include <QStringList>

#include <algorithm>

namespace
{

bool isAsciiDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !text.isEmpty();
}

QStringView trimmedBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(begin, end - begin);
}

std::optional<int> yearFromText(QStringView text)
{
    if (text.size() == 4)
        return text.toInt(); // the range is dateSerial's to check
    if (text.size() == 2) {
        const int year = text.toInt();
        return year < 30 ? 2000 + year : 1900 + year;
    }
    return std::nullopt;
}

} // namespace

namespace Dates
{

QDate firstDate()
{
    return QDate(100, 1, 1);
}

QDate lastDate()
{
    return QDate(9999, 12, 31);
}

bool inRange(QDate date)
{
    return date.isValid() && date >= firstDate() && date <= lastDate();
}

int quarter(QDate date)
{
    return (date.month() - 1) / 3 + 1;
}

int isoWeek(QDate date)
{
    return date.weekNumber();
}

int dayOfYear(QDate date)
{
    return date.dayOfYear();
}

int weekday(QDate date)
{
    // QDate counts Monday = 1 ... Sunday = 7.
    return date.dayOfWeek() % 7 + 1;
}

qint64 daysBetween(QDate from, QDate to)
{
    return from.daysTo(to);
}

std::optional<QDate> dateAdd(Interval interval, qint64 count, QDate date)
{
    // Beyond this many days every move leaves the range anyway; the bound
    // keeps the arithmetic below far from overflow.
    constexpr qint64 widestMove = 4'000'000;
    if (!inRange(date) || count > widestMove || count < -widestMove)
        return std::nullopt;
    QDate moved;
    switch (interval) {
    case Interval::Day:
        moved = date.addDays(count);
        break;
    case Interval::Week:
        moved = date.addDays(7 * count);
        break;
    case Interval::Quarter:
        moved = date.addMonths(static_cast<int>(3 * count));
        break;
    }
    return inRange(moved) ? std::optional(moved) : std::nullopt;
}

std::optional<QDate> dateSerial(int year, int month, int day)
{
    const QDate date(year, month, day);
    return inRange(date) ? std::optional(date) : std::nullopt;
}

std::optional<QDate> textToDate(const QString &text)
{
    const QList<QStringView> parts = trimmedBlanks(text).split(u'/');
    if (parts.size() != 3)
        return std::nullopt;
    const QStringView dayText = parts[0];
    const QStringView monthText = parts[1];
    if (!isAsciiDigits(dayText) || dayText.size() > 2 || !isAsciiDigits(monthText) || monthText.size() > 2 ||
        !isAsciiDigits(parts[2]))
        return std::nullopt;
    const std::optional<int> year = yearFromText(parts[2]);
    if (!year)
        return std::nullopt;
    return dateSerial(*year, monthText.toInt(), dayText.toInt());
}

bool isDate(const QString &text)
{
    return textToDate(text).has_value();
}

QString dateToText(QDate date)
{
    return twoDigits(date.day()) + u'/' + twoDigits(date.month()) + u'/' +
        QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

YearSpan typedYearsBetween(QDate first, QDate last)
{
    return {std::max(first.year(), FirstTypedYear), std::min(last.year(), LastTypedYear)};
}

} // namespace Dates
