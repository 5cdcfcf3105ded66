#pragma once

#include "platform/answers.h"
#include "platform/dates.h"
#include "platform/integer.h"

#include <QDate>
#include <QString>

#include <optional>
#include <variant>

// Going to a week, a quarter or a day of the year by its number. The three
// kinds share one dialogue; a NumberEntry holds everything that differs.
namespace Navigation
{

// Turns a checked number and year into a date; nullopt when no such item exists.
using Search = std::optional<QDate> (*)(Integer number, Integer year);

struct NumberEntry {
    QString label; // first line of the prompt
    QString example; // last line of the prompt
    QString title; // title of the prompt
    Dates::Interval offsetInterval; // what "+n" and "-n" move by
    Integer low, high; // accepted numbers
    QString rangeMessagePrefix; // followed by "<low> e <high>"
    Search search;
    QString notFoundMessage; // when the search finds nothing
};

const NumberEntry &weekEntry();
const NumberEntry &quarterEntry();
const NumberEntry &dayEntry();

// Label and example separated by two carriage returns, no line feed.
QString promptText(const NumberEntry &entry);

struct MoveBy {
    Dates::Interval interval;
    Integer count;
};
using Outcome = std::variant<Answer::NoAction, MoveBy, Answer::JumpTo, Answer::Warn>;

// What to do with one answer to the prompt: "+n" or "-n" moves the selected
// day, "n" or "n/year" jumps. A number without a year is taken in clockYear,
// the year of the system clock, never the one the calendar shows.
Outcome readEntry(const NumberEntry &entry, const QString &answer, int clockYear);

} // namespace Navigation
