#pragma once

#include "platform/integer.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace Feasts
{

struct Comune;

// A day of a month's grid; day 0 is a cell before the first or after the last.
struct PageDay {
    int day = 0;
    bool off = false; // a Sunday, or off by the year's law: printed red and bold
};

// One row of a month: an ISO week, Monday first.
struct PageWeek {
    int week; // ISO week number
    std::array<PageDay, 7> days;
};

struct PageMonth {
    QString name; // "Gennaio"
    QList<PageWeek> weeks; // four to six
    QString workingDays; // "21 giorni lavorativi", as --lavorativi counts the month
};

// A year's calendar as one printed page lays it out: what it says, where
// each day goes and which days are off. The painting is the paper library's.
struct YearPage {
    QString title; // "2027", or "2027 — Milano"
    QStringList weekdayInitials; // "L" … "D", Monday first
    std::array<PageMonth, 12> months;
    // The year's days off by date, each as --festivita prints it ("07 Dicembre
    // (Sant'Ambrogio, patrono di Milano): Martedì").
    QStringList daysOff;
};

// `year` in 1900-2100; with a comune, its own day off is one more red day.
YearPage yearPage(Integer year, const Comune *comune = nullptr);

} // namespace Feasts
