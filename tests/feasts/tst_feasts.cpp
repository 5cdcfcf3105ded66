#include "casefile.h"
#include "feasts/comuni.h"
#include "feasts/easter.h"
#include "feasts/holidaycalendar.h"
#include "feasts/holidays.h"
#include "feasts/todaybutton.h"
#include "feasts/workingdays.h"
#include "feasts/yearpage.h"

using namespace Feasts;

class TestFeasts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void easter_data() { addCaseRows<int, QDate>(QFINDTESTDATA("easter.cases"), {"year", "easter"}); }

    void easter()
    {
        QFETCH(int, year);
        QFETCH(QDate, easter);
        QCOMPARE(Calc_Easter(Integer(year)), easter);
    }

    // law.cases adds the working days of every year, and of each month in which
    // a day off began or ended, worked out from the acts rather than from the
    // program's table: counts alone ("*" for the names).
    void days_data()
    {
        addCaseRows<QDate, QDate, QString, qint64, QString>(
            QFINDTESTDATA("days.cases"), {"first", "last", "comune", "workingDays", "names"});
        for (const QStringList &row : readCaseLines(QFINDTESTDATA("law.cases")))
            QTest::newRow(qPrintable(row[0])) << caseField<QDate>(row[1]) << caseField<QDate>(row[2])
                                              << row[3] << row[4].toLongLong() << QStringLiteral("*");
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
        if (names != u"*")
            QCOMPARE(days.join(QStringLiteral(" / ")), names);
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
    void yearPageMonth_data()
    {
        addCaseRows<int, QString, int, QStringList, int, QStringList, QString>(
            QFINDTESTDATA("yearpage.cases"),
            {"year", "comune", "month", "weeks", "firstColumn", "red", "workingDays"});
    }

    void yearPageMonth()
    {
        QFETCH(int, year);
        QFETCH(QString, comune);
        QFETCH(int, month);
        QFETCH(QStringList, weeks);
        QFETCH(int, firstColumn);
        QFETCH(QStringList, red);
        QFETCH(QString, workingDays);
        const PageMonth page = yearPage(Integer(year), findComune(comune)).months[std::size_t(month - 1)];
        QStringList rows, off, days; // days in the grid's order, "5" for the 1st in Friday's column
        for (const PageWeek &week : page.weeks) {
            rows << QString::number(week.week);
            for (std::size_t column = 0; column < week.days.size(); ++column) {
                const int day = week.days[column].day;
                if (day > 0)
                    days << QString::number(day == 1 ? int(column) + 1 : day);
                if (week.days[column].off)
                    off << QString::number(day);
            }
        }
        QCOMPARE(rows, weeks);
        QCOMPARE(days.size(), QDate(year, month, 1).daysInMonth());
        QCOMPARE(days.value(0), QString::number(firstColumn));
        QCOMPARE(off, red);
        QCOMPARE(page.workingDays, workingDays);
    }

    // yearpage-<year>[-<comune>].txt: the page's title, then its days off: 2
    // June and 6 January worked in 1982, a day the list does not name in 2011,
    // Carnevale worked and Milano's day in 2027.
    void yearPageDaysOff()
    {
        using Row = std::tuple<int, QStringView, QStringView>; // year, comune, the golden text's name
        for (const auto &[year, comune, name] :
            {Row {1982, u"", u"1982"}, {2011, u"", u"2011"}, {2027, u"Milano", u"2027-milano"}}) {
            const YearPage page = yearPage(Integer(year), findComune(comune));
            QCOMPARE(QStringList(page.title) + page.daysOff,
                readText(QFINDTESTDATA(QStringLiteral("yearpage-%1.txt").arg(name))).trimmed().split(u'\n'));
        }
    }

    void defaultYear()
    {
        QCOMPARE(defaultYearText(1999, 2026), QStringLiteral("1999"));
        QCOMPARE(defaultYearText(0, 2026), QStringLiteral("2026"));
    }
};

QTEST_APPLESS_MAIN(TestFeasts)
#include "tst_feasts.moc"
