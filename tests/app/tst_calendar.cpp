#include "app/calendar.h"
#include "calendardriver.h"
#include "feasts/holidays.h"

#include <QCalendarWidget>

class TestCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every day a page shows, grey days included, has the names the holiday
    // lists give it as its tooltip, and no other day has one: on the page
    // shown at start, then on pages reached from it.
    void holidayTooltips()
    {
        Calendar calendar;
        const CalendarDriver driver(&calendar);
        for (const QDate day : {QDate(), QDate(2038, 4, 10), QDate(2027, 4, 10), QDate(2025, 10, 31),
                 QDate(2026, 10, 1), QDate(1900, 1, 1), QDate(2100, 12, 31)}) {
            if (day.isValid())
                QVERIFY(calendar.setValue(day));
            const QDate shown(
                calendar.calendarWidget()->yearShown(), calendar.calendarWidget()->monthShown(), 1);
            for (QDate cell = shown.addDays(-14); cell < shown.addDays(45); cell = cell.addDays(1)) {
                if (const QModelIndex index = driver.cellOf(cell); index.isValid())
                    QCOMPARE(
                        index.data(Qt::ToolTipRole).toString(), Feasts::holidayNames(cell, cell).value(cell));
            }
        }
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
