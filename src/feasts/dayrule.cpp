#include "dayrule.h"

#include "easter.h"
#include "platform/dates.h"

namespace Feasts
{

std::optional<QDate> dayIn(const DayRule &rule, Integer year)
{
    if (rule.month == FromEaster) {
        const QDate easter = Calc_Easter(year);
        if (!easter.isValid())
            return std::nullopt;
        return easter.addDays(rule.day);
    }
    const std::optional<QDate> day = Dates::dateSerial(year, rule.month, rule.day);
    if (!day || rule.weekday == 0)
        return day;
    return day->addDays((rule.weekday - day->dayOfWeek() + 7) % 7);
}

} // namespace Feasts
