#pragma once

#include <QDate>
#include <QString>

#include <array>

// The information row under the calendar: for the selected day, its quarter,
// its ISO week and its day of the year, each with a caption. The index of an
// item is the same everywhere: 0 quarter, 1 week, 2 day of the year.
namespace DayInfo
{

struct RowItem {
    QString caption; // "Settimana:"
    QString boxToolTip; // what the number in the box is
    QString doubleClickHint; // what a double-click on the item does
};

const std::array<RowItem, 3> &rowItems();

// The numbers the row shows for `day`, by index.
std::array<int, 3> rowValues(QDate day);

} // namespace DayInfo
