#pragma once

#include "platform/integer.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

namespace Feasts
{

struct Comune;

// One entry of a year's holiday list.
struct Holiday {
    QDate date;
    QString name; // "Capodanno"
    // The entry's rule, which no version changes: "0425" for a fixed day,
    // "pasqua+1" for a day counted from Easter Sunday.
    QString rule;
};

// The Italian public holidays and feast days of `year`, in the list's fixed
// order (never sorted by date; two entries may share a day), and last
// `comune`'s own day when it keeps one that year. The list is the same every
// year; which days were off by law is lawDaysOff's.
QList<Holiday> holidays(Integer year, const Comune *comune = nullptr);

// The entries of holidays(), one per line, each with the weekday it falls on.
// Lines are separated by a single line feed, with none after the last.
QString holidayListText(Integer year, const Comune *comune = nullptr);

// "Festività anno 2010"
QString holidayListTitle(Integer year);

// The days from `first` to `last` that the lists of the years 1900-2100 name,
// each with its names in the list's order, one a line.
QMap<QDate, QString> holidayNames(QDate first, QDate last);

QStringView monthName(int month); // [1, 12]: "Gennaio"
QStringView weekdayName(QDate date); // "Lunedì"

} // namespace Feasts
