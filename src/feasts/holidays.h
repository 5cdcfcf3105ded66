#pragma once

#include "platform/integer.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

namespace Feasts
{

// One entry of a year's holiday list.
struct Holiday {
    QDate date;
    QStringView name; // "Capodanno"
    bool dayOff; // a public holiday, not worked: every entry but Carnevale
    // The entry's rule, which no version changes: "0425" for a fixed day,
    // "pasqua+1" for a day counted from Easter Sunday.
    QString rule;
};

// The Italian public holidays and feast days of `year`, in the list's fixed
// order (never sorted by date; two entries may share a day).
QList<Holiday> holidays(Integer year);

// The Italian public holidays and feast days of `year`, one per line in a fixed
// order (never sorted by date), each with the weekday it falls on. Lines are
// separated by a single line feed, with none after the last.
QString holidayListText(Integer year);

// "Festività anno 2010"
QString holidayListTitle(Integer year);

// The days from `first` to `last` that the lists of the years 1900-2100 name,
// each with its names in the list's order, one a line.
QMap<QDate, QString> holidayNames(QDate first, QDate last);

// The working days from `first` to `last`, both counted: Monday to Friday,
// less the public holidays. `first` is not after `last`; holidays are known
// for 1900-2100.
qint64 workingDays(QDate first, QDate last);

} // namespace Feasts
