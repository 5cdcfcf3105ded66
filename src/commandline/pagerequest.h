#pragma once

#include "platform/integer.h"

#include <QString>

namespace Feasts
{
struct Comune;
}

namespace CommandLine
{

// A year's calendar asked for as a PDF file on standard output: a page the
// paper library paints, which takes an application object for its fonts, so
// the program builds it rather than `read`.
struct PrintPage {
    Integer year;
    const Feasts::Comune *comune = nullptr;
};

// The one line on standard error when standard output is a terminal: a PDF
// file is not for reading there.
QString pageOnTerminalText(Integer year);

} // namespace CommandLine
