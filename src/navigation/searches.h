#pragma once

#include "platform/integer.h"

#include <QDate>
#include <QString>

#include <optional>

// The searches behind "go to week / quarter / day number". They expect the
// number and the year as readEntry() lets them through (year 1900 to 2100);
// nullopt means the item does not exist in that year.
namespace Navigation
{

// The first day of week `week` (1 to 53): its Monday, but 1 January when the
// year begins inside week 1 or inside the previous year's week 53. Week 52 is
// always the one in December.
std::optional<QDate> findWeekStart(Integer week, Integer year);

// The first day of quarter `quarter` (1 to 4).
std::optional<QDate> findQuarterStart(Integer quarter, Integer year);

// The day numbered `day` (1 January = 1); day 366 exists only in leap years.
std::optional<QDate> findDayOfYear(Integer day, Integer year);

QString weekNotFoundMessage();
QString dayNotFoundMessage();

} // namespace Navigation
