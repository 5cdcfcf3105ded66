#pragma once

#include "platform/integer.h"

#include <QString>

// The rules and texts of the "M" button: which press does what, the prompts it
// shows and how a typed year is read. The window runs the dialogs.

enum class TodayGesture { None, GoToToday, GoToTypedDate, ShowHelp, GoToEaster, ShowHolidays };

// Mouse button (1 left, 2 right, 4 middle) and modifiers (1 Shift, 2 Ctrl,
// 4 Alt) must match a gesture exactly: any extra key makes the press do nothing.
TodayGesture todayGesture(Integer button, Integer shift);

QString datePromptText();
QString datePromptTitle();
QString easterPromptText();
QString easterPromptTitle();
QString holidaysPromptText();
QString holidaysPromptTitle();
QString invalidDateMessage();
QString invalidYearMessage();

// The year the year prompts propose: the calendar's year, or the clock's when
// the calendar reports none.
QString defaultYearText(Integer calendarYear, int clockYear);

struct YearAnswer {
    enum Kind {
        EarlyEnd, // cancelled, or not a number: the press ends silently
        Invalid, // a number outside 1900-2100: warn
        Accepted,
    } kind;
    Integer year; // meaningful only when accepted
};

YearAnswer readYearAnswer(const QString &text);
