#pragma once

#include "platform/integer.h"

#include <QList>
#include <QString>

// The help message a right-click shows for a button with several gestures.
namespace Help
{

// Selectors of buttonHelpText().
inline constexpr Integer TodayButtonHelp = 1; // the "M" button
inline constexpr Integer DiffButtonHelp = 2; // the "D" button

// "Funzioni del tasto " followed by the button's current caption.
QString buttonHelpTitle(const QString &caption);

// "Selezione con:", an empty line, then the help lines of the button's
// gesture table (Mouse::helpLines), numbered and separated by single carriage
// returns, with no break after the last one.
QString buttonHelpText(const QList<QStringView> &helpLines);

// What a screen reader adds to a button's description: its keys.
QString buttonKeysHint();

} // namespace Help
