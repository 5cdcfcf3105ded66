#pragma once

#include <QDate>

// Easter Sunday by the anonymous Gregorian algorithm (Meeus, Jones, Butcher):
// a second, independent way to the date that the program finds by Gauss's method.
inline QDate gregorianEaster(int year)
{
    const int a = year % 19;
    const int century = year / 100;
    const int yearInCentury = year % 100;
    const int f = (century + 8) / 25;
    const int g = (century - f + 1) / 3;
    const int h = (19 * a + century - century / 4 - g + 15) % 30;
    const int l = (32 + 2 * (century % 4) + 2 * (yearInCentury / 4) - h - yearInCentury % 4) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monthAndDay = h + l - 7 * m + 114;
    return QDate(year, monthAndDay / 31, monthAndDay % 31 + 1);
}
