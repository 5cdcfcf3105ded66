#include "holidays.h"

#include "easter.h"
#include "platform/dates.h"

#include <QStringList>

namespace
{

constexpr int FromEaster = 0; // as a month: the day counts from Easter Sunday

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

std::optional<QDate> feastDate(const Feast &feast, Integer year, QDate easter)
{
    if (feast.month != FromEaster)
        return Dates::dateSerial(year, feast.month, feast.day);
    if (!easter.isValid())
        return std::nullopt;
    return Dates::dateAdd(Dates::Interval::Day, feast.day, easter);
}

} // namespace

namespace Feasts
{

QString holidayListText(Integer year)
{
    const QDate easter = Calc_Easter(year);
    // "dd Month (name): Weekday"; a feast whose date cannot be built is left out.
    QStringList lines;
    for (const Feast &feast : feasts) {
        if (year < feast.firstYear)
            continue;
        if (const std::optional<QDate> date = feastDate(feast, year, easter)) {
            lines << Dates::twoDigits(date->day()) + u' ' + monthNames[date->month() - 1] +
                    QStringLiteral(" (") + feast.name + QStringLiteral("): ") +
                    weekdayNames[Dates::weekday(*date) - 1];
        }
    }
    return lines.join(u'\n');
}

QString holidayListTitle(Integer year)
{
    return QStringLiteral("Festività anno ") + QString::number(year);
}

} // namespace Feasts
