#include "yearpage.h"

#include "comuni.h"
#include "holidays.h"
#include "lawdays.h"
#include "platform/dates.h"
#include "workingdays.h"

#include <QSet>

#include <algorithm>

namespace
{

using Feasts::PageDay;
using Feasts::PageMonth;
using Feasts::PageWeek;

// The weeks of `month`, each row from Monday to Sunday.
PageMonth monthOf(int year, int month, const QSet<QDate> &lawDays, const Feasts::Comune *comune)
{
    const QDate first(year, month, 1);
    const QDate last(year, month, first.daysInMonth());
    PageMonth page {Feasts::monthName(month).toString(), {}, {}};
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const int column = day.dayOfWeek() - 1;
        if (page.weeks.isEmpty() || column == 0)
            page.weeks.append(PageWeek {Dates::isoWeek(day), {}});
        page.weeks.last().days[std::size_t(column)] =
            PageDay {day.day(), day.dayOfWeek() == Qt::Sunday || lawDays.contains(day)};
    }
    const qint64 count = Feasts::workingDays(first, last, comune);
    page.workingDays = QString::number(count) +
        (count == 1 ? QStringLiteral(" giorno lavorativo") : QStringLiteral(" giorni lavorativi"));
    return page;
}

// "07 Dicembre (name): Martedì", the holiday list's line.
QString dayOffLine(QDate day, const QString &name)
{
    return Dates::twoDigits(day.day()) + u' ' + Feasts::monthName(day.month()) + QStringLiteral(" (") + name +
        QStringLiteral("): ") + Feasts::weekdayName(day);
}

// The list's lines of the days that are off, and a line for each day off by
// the law that the list does not name (17 March 2011), by date; two entries of
// one day keep the list's order.
QStringList daysOffLines(Integer year, const QSet<QDate> &lawDays, const Feasts::Comune *comune)
{
    QList<std::pair<QDate, QString>> lines;
    const QList<Feasts::Holiday> entries = Feasts::holidays(year, comune);
    const QStringList listed = Feasts::holidayListText(year, comune).split(u'\n');
    QSet<QDate> named;
    for (qsizetype index = 0; index < entries.size(); ++index) {
        const QDate day = entries[index].date;
        if (day.dayOfWeek() == Qt::Sunday || lawDays.contains(day)) {
            lines.append({day, listed[index]});
            named << day;
        }
    }
    for (const QDate day : lawDays) {
        if (!named.contains(day))
            lines.append({day, dayOffLine(day, QStringLiteral("festa nazionale"))});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const auto &one, const auto &other) {
        return one.first < other.first;
    });
    QStringList texts;
    for (const auto &line : std::as_const(lines))
        texts << line.second;
    return texts;
}

} // namespace

namespace Feasts
{

YearPage yearPage(Integer year, const Comune *comune)
{
    const QList<QDate> law = lawDaysOff(year, comune);
    const QSet<QDate> lawDays(law.begin(), law.end());
    YearPage page;
    page.title = QString::number(year);
    if (comune)
        page.title += QStringLiteral(" — ") + comune->name;
    page.weekdayInitials = QStringLiteral("L M M G V S D").split(u' ');
    for (int month = 1; month <= 12; ++month)
        page.months[std::size_t(month - 1)] = monthOf(year, month, lawDays, comune);
    page.daysOff = daysOffLines(year, lawDays, comune);
    return page;
}

} // namespace Feasts
