#pragma once

#include "platform/answers.h"
#include "platform/integer.h"

#include <QString>

#include <variant>

// How the window's prompts and the command line read a typed date or year.
namespace Dates
{

// Empty ends the press; a text that is no date is warned about.
std::variant<Answer::NoAction, Answer::JumpTo, Answer::Warn> readDateAnswer(const QString &text);
QString invalidDateText();

struct Year {
    Integer value;
};

// Empty or not a number ends the press; a number outside the typed years is
// warned about; halves round to the even year.
std::variant<Answer::NoAction, Year, Answer::Warn> readYearAnswer(const QString &text);
QString invalidYearText();

} // namespace Dates
