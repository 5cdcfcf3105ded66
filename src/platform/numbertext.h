#pragma once

#include <QString>

// Reading numbers out of typed text. Both functions ignore the locale: the
// decimal separator is always ".".
namespace Numbers
{

// The number at the start of the text: leading blanks skipped, an optional
// sign, digits with an optional "." fraction. 0 when there is none
// ("22/2010" -> 22, "abc" -> 0, " -1.5x" -> -1.5).
double val(const QString &text);

// True when the whole text, surrounding blanks aside, is such a number with
// at least one digit.
bool isNumeric(const QString &text);

} // namespace Numbers
