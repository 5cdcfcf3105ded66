#pragma once

#include "integer.h"

#include <QList>
#include <QString>

#include <optional>

// What a mouse press on a button reports: the button that went down and a bit
// set of the keys held with it.
namespace Mouse
{

inline constexpr Integer LeftButton = 1;
inline constexpr Integer RightButton = 2;
inline constexpr Integer MiddleButton = 4;

// A row that no press selects: its function is offered without a mouse only.
inline constexpr Integer NoButton = -1;

inline constexpr Integer NoKeys = 0;
inline constexpr Integer ShiftKey = 1;
inline constexpr Integer CtrlKey = 2;
inline constexpr Integer AltKey = 4;

// One row of a button's gesture table: the press that selects `action`, the
// line of the button's help that describes it, unnumbered (empty for the help
// itself), and the action's name where it is offered without a mouse.
template<class Action>
struct Gesture {
    Integer button;
    Integer shift;
    Action action;
    QStringView helpLine;
    QStringView name;
};

// The action of the row whose codes both match exactly: any other key held
// makes a press do nothing.
template<class Table>
auto actionFor(const Table &table, Integer button, Integer shift) -> std::optional<decltype(table[0].action)>
{
    for (const auto &row : table) {
        if (row.button == button && row.shift == shift)
            return row.action;
    }
    return std::nullopt;
}

// The help lines of a gesture table, in its order, less the empty ones.
template<class Table>
QList<QStringView> helpLines(const Table &table)
{
    QList<QStringView> lines;
    for (const auto &row : table) {
        if (!row.helpLine.isEmpty())
            lines << row.helpLine;
    }
    return lines;
}

} // namespace Mouse
