#include "casefile.h"
#include "feasts/comuni.h"
#include "feasts/easter.h"
#include "feasts/holidaycalendar.h"
#include "feasts/holidays.h"
#include "feasts/todaybutton.h"
#include "feasts/workingdays.h"
#include "platform/dates.h"

using namespace Feasts;

// Easter Sunday by the anonymous Gregorian algorithm (Meeus, Jones, Butcher):
// a second way to the date that the program finds by Gauss's method.
static QDate gregorianEaster(int year)
{
    const int a = year % 19;
    const int century = year / 100;
    const int yearInCentury = year % 100;
    const int g = (century - (century + 8) / 25 + 1) / 3;
    const int h = (19 * a + century - century / 4 - g + 15) % 30;
    const int l = (32 + 2 * (century % 4) + 2 * (yearInCentury / 4) - h - yearInCentury % 4) % 7;
    const int monthAndDay = h + l - 7 * ((a + 11 * h + 22 * l) / 451) + 114;
    return QDate(year, monthAndDay / 31, monthAndDay % 31 + 1);
}

class TestFeasts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void easterAgreesWithAnonymousAlgorithm()
    {
        for (int year = 1583; year <= 2499; ++year)
            QCOMPARE(Calc_Easter(Integer(year)), gregorianEaster(year));
        QVERIFY(!Calc_Easter(1582).isValid()); // before the method's first row
    }

    // holidays-<year>.txt holds the year's whole list, one holiday a line.
    void holidayList_data()
    {
        QTest::addColumn<int>("year");
        for (const int year : {1900, 2010, 2011, 2025, 2026, 2027, 2038, 2100})
            QTest::addRow("%d", year) << year;
    }

    void holidayList()
    {
        QFETCH(int, year);
        const QString golden = readText(QFINDTESTDATA(QStringLiteral("holidays-%1.txt").arg(year)));
        QCOMPARE(holidayListText(Integer(year)).split(u'\n'), golden.trimmed().split(u'\n'));
    }

    void days_data()
    {
        addCaseRows<QDate, QDate, QString, qint64, QString>(
            QFINDTESTDATA("days.cases"), {"first", "last", "comune", "workingDays", "names"});
    }

    void days()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, comune);
        QFETCH(qint64, workingDays);
        QFETCH(QString, names);
        QCOMPARE(Feasts::workingDays(first, last, findComune(comune)), workingDays);
        QStringList days;
        for (const auto &[day, dayNames] : holidayNames(first, last).asKeyValueRange())
            days << day.toString(Qt::ISODate) + u' ' + dayNames;
        QCOMPARE(days.join(QStringLiteral(" / ")), names);
    }

    // The working days of every year, and of each month in which a day off began
    // or ended, worked out from the acts rather than from the program's table.
    void law_data()
    {
        addCaseRows<QDate, QDate, QString, qint64>(
            QFINDTESTDATA("law.cases"), {"first", "last", "comune", "workingDays"});
    }

    void law()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, comune);
        QFETCH(qint64, workingDays);
        QCOMPARE(Feasts::workingDays(first, last, findComune(comune)), workingDays);
    }

    // The deadline of a month's working days (law.cases pins the count), from
    // the day before it, is its last working day, and back from the day after,
    // its first; a year's, from the last day of the year before, is its last.
    void deadlinesOfEveryMonth()
    {
        for (QDate month(1900, 1, 1); month.year() <= 2100; month = month.addMonths(1)) {
            const QDate monthEnd = month.addMonths(1).addDays(-1);
            const qint64 count = Feasts::workingDays(month, monthEnd);
            const QDate last = deadline(month.addDays(-1), count).value_or(QDate());
            const QDate first = deadline(monthEnd.addDays(1), -count).value_or(QDate());
            QCOMPARE(Feasts::workingDays(month, last), count); // all of them by then
            QCOMPARE(Feasts::workingDays(first, monthEnd), count);
            QCOMPARE(Feasts::workingDays(last, last) + Feasts::workingDays(first, first), 2); // both worked
            if (month.month() == 12) {
                const QDate yearStart(month.year(), 1, 1);
                const qint64 inYear = Feasts::workingDays(yearStart, monthEnd);
                QCOMPARE(deadline(yearStart.addDays(-1), inYear).value_or(QDate()), last);
            }
        }
    }

    void deadlines_data()
    {
        addCaseRows<QDate, qint64, QString, QDate>(
            QFINDTESTDATA("deadline.cases"), {"from", "count", "comune", "reached"});
    }

    void deadlines()
    {
        QFETCH(QDate, from);
        QFETCH(qint64, count);
        QFETCH(QString, comune);
        QFETCH(QDate, reached);
        QCOMPARE(deadline(from, count, findComune(comune)).value_or(QDate()), reached);
    }

    // Each comune is found by its own name, before any other, and has its day.
    void comuniHaveTheirDays()
    {
        for (const Comune &comune : comuni()) {
            QCOMPARE(findComune(comune.name), &comune);
            QVERIFY(comuneDay(comune, 2026));
        }
    }

    void calendarLine_data()
    {
        addCaseRows<QString, QString>(QFINDTESTDATA("icalendar.cases"), {"text", "line"});
    }

    void calendarLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, line);
        QCOMPARE(calendarTextLine(u"SUMMARY", text), line);
    }

    // A calendar that reports no year gives way to the clock's.
    void defaultYear()
    {
        QCOMPARE(defaultYearText(1999, 2026), QStringLiteral("1999"));
        QCOMPARE(defaultYearText(0, 2026), QStringLiteral("2026"));
    }
};

QTEST_APPLESS_MAIN(TestFeasts)
#include "tst_feasts.moc"
