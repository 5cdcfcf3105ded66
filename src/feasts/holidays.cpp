#include "holidays.h"

#include "comuni.h"
#include "dayrule.h"
#include "platform/dates.h"

#include <QStringList>

#include <algorithm>

namespace
{

using Feasts::FromEaster;

struct Feast {
    int month; // [1, 12], or FromEaster
    int day; // of the month, or days from Easter Sunday
    QStringView name;
    int firstYear = 0; // listed from this year on
};

// Law 151 of 8 October 2025 made 4 October a national holiday from 2026.
constexpr int sanFrancescoFirstYear = 2026;

constexpr Feast feasts[] = {
    {1, 1, u"Capodanno"},
    {1, 6, u"Epifania di nostro Signore"},
    {FromEaster, -47, u"Carnevale"},
    {FromEaster, 0, u"Pasqua di nostro Signore"},
    {FromEaster, 1, u"Lunedì dell'Angelo"},
    {4, 25, u"Anniversario della liberazione"},
    {5, 1, u"Festa del lavoro"},
    {6, 2, u"Festa della Repubblica"},
    {8, 15, u"Assunzione di Maria Vergine"},
    {10, 4, u"San Francesco d'Assisi", sanFrancescoFirstYear},
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

// The entries of the lists of 1900-2100 that fall from `first` to `last`,
// year by year in the list's order.
QList<Feasts::Holiday> holidaysBetween(QDate first, QDate last)
{
    QList<Feasts::Holiday> found;
    const Dates::YearSpan years = Dates::typedYearsBetween(first, last);
    for (int year = years.from; year <= years.to; ++year) {
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

QList<Holiday> holidays(Integer year, const Comune *comune)
{
    QList<Holiday> list;
    for (const Feast &feast : feasts) {
        if (year < feast.firstYear)
            continue;
        // A feast whose date cannot be built is left out.
        if (const std::optional<QDate> date = dayIn({feast.month, feast.day}, year)) {
            const QString rule = feast.month == FromEaster
                ? QString::asprintf("pasqua%+d", feast.day)
                : Dates::twoDigits(feast.month) + Dates::twoDigits(feast.day);
            list << Holiday {*date, feast.name.toString(), rule};
        }
    }
    if (comune) {
        if (const std::optional<QDate> date = comuneDay(*comune, year))
            list << Holiday {*date, comuneFeastName(*comune), QStringLiteral("comune-") + comuneKey(*comune)};
    }
    return list;
}

QString holidayListText(Integer year, const Comune *comune)
{
    // "dd Month (name): Weekday"
    QStringList lines;
    for (const Holiday &holiday : holidays(year, comune)) {
        lines << Dates::twoDigits(holiday.date.day()) + u' ' + monthName(holiday.date.month()) +
                QStringLiteral(" (") + holiday.name + QStringLiteral("): ") + weekdayName(holiday.date);
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

QStringView monthName(int month)
{
    return monthNames[month - 1];
}

QStringView weekdayName(QDate date)
{
    return weekdayNames[Dates::weekday(date) - 1];
}

} // namespace Feasts
