#pragma once

#include "dayrule.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace Feasts
{

// A comune and its own day off: the patron's day, which collective contracts
// make a paid day off where one works, or the day its law keeps instead.
struct Comune {
    QStringView name; // "Milano", as --comuni prints it
    QStringView otherNames; // also recognised, separated by "|"
    DayRule day;
    QStringView feast; // "Sant'Ambrogio"
    QStringView role; // "patrono": the list names the day "Sant'Ambrogio, patrono di Milano"
    QStringView when = {}; // the day in words where it moves: "il primo martedì di maggio"
    int firstYear = 0; // 0: when patron days were kept, to 24 September 1913 and from 1950
};

// The provincial capitals, in alphabetical order.
std::span<const Comune> comuni();

// The comune named as people type it: any case, with or without accents,
// apostrophes and blanks; none when no comune has that name.
const Comune *findComune(QStringView typed);

// The capitals of the province named as people type it, when it has two or
// three ("Forlì-Cesena": "Forlì", "Cesena"); none for any other name.
QStringList sharedCapitals(QStringView typed);

// The comune's day off in `year`, when it keeps one.
std::optional<QDate> comuneDay(const Comune &comune, Integer year);

// "Sant'Ambrogio, patrono di Milano"
QString comuneFeastName(const Comune &comune);

// "Milano: 7 dicembre (Sant'Ambrogio)"
QString comuneLine(const Comune &comune);

// "milano": the comune's name in lower-case ASCII letters, for identifiers.
QString comuneKey(const Comune &comune);

} // namespace Feasts
