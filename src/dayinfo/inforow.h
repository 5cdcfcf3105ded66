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
    char accessKey; // with Alt, opens the item's prompt from anywhere in the window
    QString actionName; // the prompt, as offered to screen readers
    QString captionDescription; // what a double-click or the key does
    QString boxDescription; // the tooltip, and the key
};

const std::array<RowItem, 3> &rowItems();

// The numbers the row shows for `day`, by index.
std::array<int, 3> rowValues(QDate day);

} // namespace DayInfo
