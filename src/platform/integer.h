#pragma once

#include <QtGlobal>

#include <optional>

// The program's whole numbers are 16-bit signed, [-32768, 32767]. A conversion
// that does not fit is a failure the caller sees, so that it can keep the
// previous value and carry on.
using Integer = qint16;

namespace Numbers
{

// Nearest whole number, halves to the even neighbour (2010.5 -> 2010, 2011.5 -> 2012).
std::optional<Integer> toIntegerHalfEven(double value);

// Whole number toward minus infinity (2.7 -> 2, -1.5 -> -2).
std::optional<Integer> toIntegerFloor(double value);

} // namespace Numbers
