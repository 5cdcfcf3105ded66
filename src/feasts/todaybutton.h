#pragma once

#include "platform/integer.h"
#include "platform/mouse.h"

#include <QString>

#include <array>

// The rules and texts of the "M" button: which press does what and the prompts
// it shows. The window runs the dialogs and reads their answers as
// platform/typedanswers.h says.
namespace Feasts
{

enum class TodayAction { None, GoToToday, GoToTypedDate, GoToEaster, ShowHolidays, PrintYear, ShowHelp };

// In the order of the button's help lines, the help itself last.
const std::array<Mouse::Gesture<TodayAction>, 6> &todayGestures();

QString datePromptText();
QString datePromptTitle();
QString easterPromptText();
QString easterPromptTitle();
QString holidaysPromptText();
QString holidaysPromptTitle();

// The year the year prompts propose: the calendar's year, or the clock's when
// the calendar reports none.
QString defaultYearText(Integer calendarYear, int clockYear);

} // namespace Feasts
