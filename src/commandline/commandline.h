#pragma once

#include "pagerequest.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <variant>

// The program's command line: its options, their help, and the answers the
// window would give, printed instead. It is read before anything of the window
// system exists, so that printing an answer or a refusal never needs a display.
namespace CommandLine
{

struct OpenWindow {
    QDate startDay; // invalid when none was named: the clock's day
};

// For standard output, ending in a line feed; the program then ends with status 0.
struct Print {
    QString text;
    bool utf8 = false; // a file format's own encoding rather than the terminal's
};

// For standard error, ending in a line feed; the program then ends with
// RefusedStatus and no window opens.
struct Refuse {
    QString text;
};

inline constexpr int RefusedStatus = 2;

// `arguments` as the program received them, its own name first.
std::variant<OpenWindow, Print, Refuse, PrintPage> read(const QStringList &arguments);

} // namespace CommandLine
