#include "holidays.h"

#include "easter.h"
#include "platform/dates.h"

#include <optional>

namespace
{

enum class FeastRule {
    FixedDate, // a day and month of every year
    FromEaster, // a number of days from Easter Sunday
};

struct Feast {
    FeastRule rule;
    QStringView datePrefix; // fixed dates: "dd/mm/", completed with the year
    int daysFromEaster; // Easter-based dates
    QStringView text; // fixed dates: the whole label; Easter-based: what follows "dd Month"
    int firstYear; // listed from this year on
};

constexpr Feast fixedDate(QStringView datePrefix, QStringView label, int firstYear = 0)
{
    return {FeastRule::FixedDate, datePrefix, 0, label, firstYear};
}

constexpr Feast fromEaster(int days, QStringView suffix)
{
    return {FeastRule::FromEaster, {}, days, suffix, 0};
}

// Law 151 of 8 October 2025 made 4 October a national holiday from 2026.
constexpr int sanFrancescoFirstYear = 2026;

constexpr Feast feasts[] = {
    fixedDate(u"01/01/", u"01 Gennaio (Capodanno): "),
    fixedDate(u"06/01/", u"06 Gennaio (Epifania di nostro Signore): "),
    fromEaster(-47, u" (Carnevale): "),
    fromEaster(0, u" (Pasqua di nostro Signore): "),
    fromEaster(1, u" (Lunedì dell'Angelo): "),
    fixedDate(u"25/04/", u"25 Aprile (Anniversario della liberazione): "),
    fixedDate(u"01/05/", u"01 Maggio (Festa del lavoro): "),
    fixedDate(u"02/06/", u"02 Giugno (Festa della Repubblica): "),
    fixedDate(u"15/08/", u"15 Agosto (Assunzione di Maria Vergine): "),
    fixedDate(u"04/10/", u"04 Ottobre (San Francesco d'Assisi): ", sanFrancescoFirstYear),
    fixedDate(u"01/11/", u"01 Novembre (Tutti i Santi): "),
    fixedDate(u"08/12/", u"08 Dicembre (Immacolata concezione): "),
    fixedDate(u"25/12/", u"25 Dicembre (Natale di nostro Signore): "),
    fixedDate(u"26/12/", u"26 Dicembre (Santo Stefano): "),
};

// Indexed by Dates::weekday, Sunday = 1.
constexpr QStringView weekdayNames[] = {
    u"Domenica", u"Lunedì", u"Martedì", u"Mercoledì", u"Giovedì", u"Venerdì", u"Sabato"};

// Easter-based feasts fall between February and April, so the months after May
// have no name here.
constexpr QStringView monthNames[] = {u"Gennaio", u"Febbraio", u"Marzo", u"Aprile", u"Maggio"};

QString weekdayName(QDate date)
{
    return weekdayNames[Dates::weekday(date) - 1].toString();
}

std::optional<QString> fixedDateLine(const Feast &feast, const QString &yearDigits)
{
    const std::optional<QDate> date = Dates::textToDate(feast.datePrefix + yearDigits);
    if (!date)
        return std::nullopt;
    return feast.text + weekdayName(*date);
}

std::optional<QString> easterBasedLine(const Feast &feast, QDate easter)
{
    if (!easter.isValid())
        return std::nullopt;
    const std::optional<QDate> date = Dates::dateAdd(Dates::Interval::Day, feast.daysFromEaster, easter);
    if (!date || date->month() > int(std::size(monthNames)))
        return std::nullopt;
    return Dates::twoDigits(date->day()) + u' ' + monthNames[date->month() - 1] + feast.text +
        weekdayName(*date);
}

} // namespace

QString holidayListText(Integer year)
{
    const QDate easter = Calc_Easter(year);
    const QString yearDigits = QString::number(year);

    // A line that cannot be built is left out together with its line feed;
    // only the table's last entry comes without one.
    QString text;
    for (const Feast &feast : feasts) {
        if (year < feast.firstYear)
            continue;
        const std::optional<QString> line = feast.rule == FeastRule::FixedDate
            ? fixedDateLine(feast, yearDigits)
            : easterBasedLine(feast, easter);
        if (!line)
            continue;
        text += *line;
        if (&feast != &feasts[std::size(feasts) - 1])
            text += u'\n';
    }
    return text;
}

QString holidayListTitle(Integer year)
{
    return QStringLiteral("Festività anno ") + QString::number(year);
}
