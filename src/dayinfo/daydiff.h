#pragma once

#include "platform/mouse.h"

#include <QDate>
#include <QString>

#include <array>

// The "D" button: a left press arms a count of days, the next change of the
// selected day completes it with a message.
namespace DayInfo
{

enum class DiffAction { Arm, Disarm, ShowHelp };

// In the order of the button's help lines, the help itself last.
const std::array<Mouse::Gesture<DiffAction>, 3> &diffGestures();

// Both days in the order given and the number of days between them, never
// negative ("Tra il 01/03/2010 ed il 31/03/2010 ci sono 30 giorni").
QString dayDiffMessage(QDate start, QDate end);

QString dayDiffTitle();

} // namespace DayInfo
