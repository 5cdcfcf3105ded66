// The dates of a calendar page's cells. The row's numbers and the count of
// days are the command line's cases (--info, --differenza).
#include "dayinfo/spokenday.h"

#include <QTest>

class TestDayInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every cell of every page of 1900-2100 as a Monday-first page lays it out:
    // six weeks from the Monday before the 1st, a whole week before when the
    // 1st is a Monday.
    void dayOfEveryPage()
    {
        for (QDate first(1900, 1, 1); first.year() <= 2100; first = first.addMonths(1)) {
            const QDate pageStart = first.addDays(-((first.dayOfWeek() + 5) % 7 + 1));
            for (int cell = 0; cell < 42; ++cell) {
                const QDate day = pageStart.addDays(cell);
                QCOMPARE(DayInfo::dayOfPage(first.year(), first.month(), cell / 7, day.day()), day);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestDayInfo)
#include "tst_dayinfo.moc"
