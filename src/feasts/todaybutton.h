#pragma once

#include "platform/answers.h"
#include "platform/integer.h"
#include "platform/mouse.h"

#include <QString>

#include <array>
#include <variant>

// The rules and texts of the "M" button: which press does what, the prompts it
// shows and how their answers are read. The window runs the dialogs.
namespace Feasts
{

enum class TodayAction { None, GoToToday, GoToTypedDate, GoToEaster, ShowHolidays, ShowHelp };

// In the order of the button's help lines, the help itself last.
const std::array<Mouse::Gesture<TodayAction>, 5> &todayGestures();

QString datePromptText();
QString datePromptTitle();
QString easterPromptText();
QString easterPromptTitle();
QString holidaysPromptText();
QString holidaysPromptTitle();

// The year the year prompts propose: the calendar's year, or the clock's when
// the calendar reports none.
QString defaultYearText(Integer calendarYear, int clockYear);

// The date prompt: empty ends the press, a text that is no date is warned about.
std::variant<Answer::NoAction, Answer::JumpTo, Answer::Warn> readDateAnswer(const QString &text);
QString invalidDateText();

struct Year {
    Integer value;
};

// The year prompts: empty or not a number ends the press; a number outside
// the typed years is warned about; halves round to the even year.
std::variant<Answer::NoAction, Year, Answer::Warn> readYearAnswer(const QString &text);
QString invalidYearText();

} // namespace Feasts
