#include "holidays.h"

#include "easter.h"
#include "platform/dates.h"

#include <QSet>
#include <QStringList>

#include <algorithm>

namespace
{

constexpr int FromEaster = 0; // as a month: the day counts from Easter Sunday

struct Feast {
    int month; // [1, 12], or FromEaster
    int day; // of the month, or days from Easter Sunday
    QStringView name;
    bool dayOff = true;
    int firstYear = 0; // listed from this year on
};

// Law 151 of 8 October 2025 made 4 October a national holiday from 2026.
constexpr int sanFrancescoFirstYear = 2026;

constexpr Feast feasts[] = {
    {1, 1, u"Capodanno"},
    {1, 6, u"Epifania di nostro Signore"},
    {FromEaster, -47, u"Carnevale", false},
    {FromEaster, 0, u"Pasqua di nostro Signore"},
    {FromEaster, 1, u"Lunedì dell'Angelo"},
    {4, 25, u"Anniversario della liberazione"},
    {5, 1, u"Festa del lavoro"},
    {6, 2, u"Festa della Repubblica"},
    {8, 15, u"Assunzione di Maria Vergine"},
    {10, 4, u"San Francesco d'Assisi", true, sanFrancescoFirstYear},
    {11, 1, u"Tutti i Santi"},
    {12, 8, u"Immacolata concezione"},
    {12, 25, u"Natale di nostro Signore"},
    {12, 26, u"Santo Stefano"},
};

// Indexed by Dates::weekday, Sunday = 1.
constexpr QStringView weekdayNames[] = {
    u"Domenica", u"Lunedì", u"Martedì", u"Mercoledì", u"Giovedì", u"Venerdì", u"Sabato"};

constexpr QStringView monthNames[] = {u"Gennaio", u"Febbraio", u"Marzo", u"Aprile", u"Maggio", u"Giugno",
    u"Luglio", u"Agosto", u"Settembre", u"Ottobre", u"Novembre", u"Dicembre"};

std::optional<QDate> feastDate(const Feast &feast, Integer year, QDate easter)
{
    if (feast.month != FromEaster)
        return Dates::dateSerial(year, feast.month, feast.day);
    if (!easter.isValid())
        return std::nullopt;
    return Dates::dateAdd(Dates::Interval::Day, feast.day, easter);
}

// Mondays to Fridays before `day`, counted from Julian day 0, a Monday.
qint64 weekdaysBefore(QDate day)
{
    const qint64 julianDay = day.toJulianDay();
    return julianDay / 7 * 5 + std::min<qint64>(julianDay % 7, 5);
}

// The entries of the lists of 1900-2100 that fall from `first` to `last`,
// year by year in the list's order.
QList<Feasts::Holiday> holidaysBetween(QDate first, QDate last)
{
    QList<Feasts::Holiday> found;
    for (int year = std::max(first.year(), Dates::FirstTypedYear);
         year <= std::min(last.year(), Dates::LastTypedYear); ++year) {
        for (const Feasts::Holiday &holiday : Feasts::holidays(Integer(year))) {
            if (holiday.date >= first && holiday.date <= last)
                found << holiday;
        }
    }
    return found;
}

} // namespace

namespace Feasts
{

QList<Holiday> holidays(Integer year)
{
    const QDate easter = Calc_Easter(year);
    QList<Holiday> list;
    for (const Feast &feast : feasts) {
        if (year < feast.firstYear)
            continue;
        // A feast whose date cannot be built is left out.
        if (const std::optional<QDate> date = feastDate(feast, year, easter)) {
            const QString rule = feast.month == FromEaster
                ? QString::asprintf("pasqua%+d", feast.day)
                : Dates::twoDigits(feast.month) + Dates::twoDigits(feast.day);
            list << Holiday {*date, feast.name, feast.dayOff, rule};
        }
    }
    return list;
}

QString holidayListText(Integer year)
{
    // "dd Month (name): Weekday"
    QStringList lines;
    for (const Holiday &holiday : holidays(year)) {
        lines << Dates::twoDigits(holiday.date.day()) + u' ' + monthNames[holiday.date.month() - 1] +
                QStringLiteral(" (") + holiday.name + QStringLiteral("): ") +
                weekdayNames[Dates::weekday(holiday.date) - 1];
    }
    return lines.join(u'\n');
}

QString holidayListTitle(Integer year)
{
    return QStringLiteral("Festività anno ") + QString::number(year);
}

QMap<QDate, QString> holidayNames(QDate first, QDate last)
{
    QMap<QDate, QString> names;
    for (const Holiday &holiday : holidaysBetween(first, last)) {
        QString &text = names[holiday.date];
        if (!text.isEmpty())
            text += u'\n';
        text += holiday.name;
    }
    return names;
}

qint64 workingDays(QDate first, QDate last)
{
    QSet<QDate> daysOff; // a set: two entries may share a day
    for (const Holiday &holiday : holidaysBetween(first, last)) {
        if (holiday.dayOff && holiday.date.dayOfWeek() <= Qt::Friday)
            daysOff << holiday.date;
    }
    return weekdaysBefore(last.addDays(1)) - weekdaysBefore(first) - daysOff.size();
}

} // namespace Feasts
