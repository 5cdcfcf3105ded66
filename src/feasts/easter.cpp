#include "easter.h"

#include "platform/dates.h"

namespace Feasts
{

Integer Find_Index(double value, QList<Integer> list)
{
    auto i = static_cast<Integer>(list.size() - 1);
    while (i >= 0 && value < list[i])
        --i;
    return i;
}

QDate Calc_Easter(Integer year)
{
    // Gauss's century constants: row k applies from startYears[k] up to the
    // year before the next row's start; the last row has no end.
    const QList<Integer> startYears = {1583, 1700, 1800, 1900, 2100, 2200, 2300, 2400};
    const QList<Integer> mValues = {22, 23, 23, 24, 24, 25, 26, 25};
    const QList<Integer> nValues = {2, 3, 4, 5, 6, 0, 1, 1};

    const Integer k = Find_Index(year, startYears);
    if (k < 0)
        return {};
    const int m = mValues[k];
    const int n = nValues[k];

    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int d = (19 * a + m) % 30;
    const int e = (2 * b + 4 * c + 6 * d + n) % 7;
    const int daysFrom22March = d + e;

    int month = 3;
    int day = 22 + daysFrom22March;
    if (day > 31) {
        month = 4;
        day -= 31;
    }

    // The method's two corrections keep Easter on or before 25 April.
    if (d == 29 && e == 6)
        day = 19;
    else if (d == 28 && e == 6 && (11 * m + 11) % 30 < 19)
        day = 18;

    return Dates::dateSerial(year, month, day).value_or(QDate());
}

} // namespace Feasts
