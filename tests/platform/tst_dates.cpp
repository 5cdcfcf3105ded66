#include "platform/dates.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <vector>

namespace
{

// An independent calendar: days generated month by month from 1 January
// 1899, with 1 January 1900 known to be a Monday.
struct CalendarDay {
    int year;
    int month;
    int day;
    int dayOfYear;
};

bool isLeap(int year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int monthLength(int year, int month)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : lengths[month - 1];
}

std::vector<CalendarDay> daysFrom1899To2101()
{
    std::vector<CalendarDay> days;
    for (int year = 1899; year <= 2101; ++year) {
        int dayOfYear = 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= monthLength(year, month); ++day)
                days.push_back({year, month, day, ++dayOfYear});
        }
    }
    return days;
}

QDate toDate(const CalendarDay &d)
{
    return QDate(d.year, d.month, d.day);
}

QString describe(std::optional<QDate> date)
{
    return date ? date->toString(Qt::ISODate) : QStringLiteral("refused");
}

} // namespace

class TestDates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isoWeek_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("week");
        QTest::newRow("31/12/2008") << QDate(2008, 12, 31) << 1;
        QTest::newRow("01/01/2010") << QDate(2010, 1, 1) << 53;
        QTest::newRow("27/12/2004") << QDate(2004, 12, 27) << 53;
        QTest::newRow("01/01/2006") << QDate(2006, 1, 1) << 52;
        QTest::newRow("03/01/2021") << QDate(2021, 1, 3) << 53;
    }

    void isoWeek()
    {
        QFETCH(QDate, date);
        QFETCH(int, week);
        QCOMPARE(Dates::isoWeek(date), week);
    }

    // Every day 1900-2100 against the calendar generated above: the ISO week
    // is the week of its Thursday, counted in that Thursday's year.
    void everyDay()
    {
        const std::vector<CalendarDay> days = daysFrom1899To2101();
        const auto first = std::find_if(days.begin(), days.end(), [](const CalendarDay &d) {
            return d.year == 1900;
        });
        const qsizetype anchor = first - days.begin();
        const QDate anchorDate = toDate(*first);
        for (qsizetype i = anchor; days[i].year <= 2100; ++i) {
            const CalendarDay &d = days[i];
            const QDate date = toDate(d);
            const qsizetype fromMonday = (i - anchor) % 7;
            const CalendarDay &thursday = days[i - fromMonday + 3];
            const int sunday1Weekday = fromMonday == 6 ? 1 : int(fromMonday) + 2;
            const QString text = QString::asprintf("%02d/%02d/%04d", d.day, d.month, d.year);
            const int laterMonth = d.month + 3;
            const int laterYear = d.year + (laterMonth > 12 ? 1 : 0);
            const int laterMonthInYear = laterMonth > 12 ? laterMonth - 12 : laterMonth;
            const QDate quarterLater(
                laterYear, laterMonthInYear, std::min(d.day, monthLength(laterYear, laterMonthInYear)));

            const QString expected = QStringLiteral("%1: q%2 y%3 w%4 iso%5 n%6 next %7 +1q %8 %9")
                                         .arg(date.toString(Qt::ISODate))
                                         .arg((d.month + 2) / 3)
                                         .arg(d.dayOfYear)
                                         .arg(sunday1Weekday)
                                         .arg((thursday.dayOfYear - 1) / 7 + 1)
                                         .arg(i - anchor)
                                         .arg(toDate(days[i + 1]).toString(Qt::ISODate))
                                         .arg(quarterLater.toString(Qt::ISODate))
                                         .arg(text);
            const QString actual = QStringLiteral("%1: q%2 y%3 w%4 iso%5 n%6 next %7 +1q %8 %9")
                                       .arg(date.toString(Qt::ISODate))
                                       .arg(Dates::quarter(date))
                                       .arg(Dates::dayOfYear(date))
                                       .arg(Dates::weekday(date))
                                       .arg(Dates::isoWeek(date))
                                       .arg(Dates::daysBetween(anchorDate, date))
                                       .arg(describe(Dates::dateAdd(Dates::Interval::Day, 1, date)))
                                       .arg(describe(Dates::dateAdd(Dates::Interval::Quarter, 1, date)))
                                       .arg(Dates::dateToText(date));
            QCOMPARE(actual, expected);
            QCOMPARE(Dates::daysBetween(date, anchorDate), anchor - i);
            QCOMPARE(describe(Dates::textToDate(text)), describe(date));
        }
    }

    void dateAdd_data()
    {
        QTest::addColumn<Dates::Interval>("interval");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to"); // invalid: refused
        using I = Dates::Interval;
        const QDate refused;
        QTest::newRow("+1q to a shorter month")
            << I::Quarter << qint64(1) << QDate(2010, 1, 31) << QDate(2010, 4, 30);
        QTest::newRow("+1q into February")
            << I::Quarter << qint64(1) << QDate(2010, 11, 30) << QDate(2011, 2, 28);
        QTest::newRow("-1q into February")
            << I::Quarter << qint64(-1) << QDate(2012, 5, 31) << QDate(2012, 2, 29);
        QTest::newRow("+4q from a leap day")
            << I::Quarter << qint64(4) << QDate(2012, 2, 29) << QDate(2013, 2, 28);
        QTest::newRow("-1 week across New Year")
            << I::Week << qint64(-1) << QDate(2010, 1, 7) << QDate(2009, 12, 31);
        qint64 wholeRange = -1;
        for (int year = 100; year <= 9999; ++year)
            wholeRange += isLeap(year) ? 366 : 365;
        QTest::newRow("whole range") << I::Day << wholeRange << QDate(100, 1, 1) << QDate(9999, 12, 31);
        QTest::newRow("whole range back") << I::Day << -wholeRange << QDate(9999, 12, 31) << QDate(100, 1, 1);
        QTest::newRow("one past the range") << I::Day << wholeRange + 1 << QDate(100, 1, 1) << refused;
        QTest::newRow("before the first day") << I::Day << qint64(-1) << QDate(100, 1, 1) << refused;
        QTest::newRow("after the last day") << I::Day << qint64(1) << QDate(9999, 12, 31) << refused;
        QTest::newRow("week before the first") << I::Week << qint64(-1) << QDate(100, 1, 7) << refused;
        QTest::newRow("quarter before the first") << I::Quarter << qint64(-1) << QDate(100, 3, 31) << refused;
        QTest::newRow("quarter after the last") << I::Quarter << qint64(1) << QDate(9999, 10, 1) << refused;
        QTest::newRow("huge count") << I::Day << std::numeric_limits<qint64>::max() << QDate(2010, 1, 1)
                                    << refused;
        QTest::newRow("huge negative weeks")
            << I::Week << std::numeric_limits<qint64>::min() << QDate(2010, 1, 1) << refused;
        QTest::newRow("huge quarters") << I::Quarter << qint64(40000) << QDate(2010, 1, 1) << refused;
    }

    void dateAdd()
    {
        QFETCH(Dates::Interval, interval);
        QFETCH(qint64, count);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QCOMPARE(describe(Dates::dateAdd(interval, count, from)),
            describe(to.isValid() ? std::optional(to) : std::nullopt));
    }

    void textToDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: refused
        const QDate refused;
        QTest::newRow("blanks around") << QStringLiteral(" 03/05/2001 ") << QDate(2001, 5, 3);
        QTest::newRow("single digits") << QStringLiteral("3/5/2001") << QDate(2001, 5, 3);
        QTest::newRow("leap day 2000") << QStringLiteral("29/02/2000") << QDate(2000, 2, 29);
        QTest::newRow("first day") << QStringLiteral("01/01/0100") << QDate(100, 1, 1);
        QTest::newRow("last day") << QStringLiteral("31/12/9999") << QDate(9999, 12, 31);
        QTest::newRow("yy 00") << QStringLiteral("1/1/00") << QDate(2000, 1, 1);
        QTest::newRow("yy 29") << QStringLiteral("1/1/29") << QDate(2029, 1, 1);
        QTest::newRow("yy 30") << QStringLiteral("1/1/30") << QDate(1930, 1, 1);
        QTest::newRow("yy 99") << QStringLiteral("1/1/99") << QDate(1999, 1, 1);
        QTest::newRow("no leap day 1900") << QStringLiteral("29/02/1900") << refused;
        QTest::newRow("31 April") << QStringLiteral("31/04/2010") << refused;
        QTest::newRow("day 0") << QStringLiteral("0/1/2010") << refused;
        QTest::newRow("month 13") << QStringLiteral("1/13/2010") << refused;
        QTest::newRow("year 99 in full") << QStringLiteral("01/01/0099") << refused;
        QTest::newRow("three-digit year") << QStringLiteral("1/1/123") << refused;
        QTest::newRow("dashes") << QStringLiteral("01-01-2010") << refused;
        QTest::newRow("four parts") << QStringLiteral("01/01/2010/5") << refused;
        QTest::newRow("two parts") << QStringLiteral("01/2010") << refused;
        QTest::newRow("empty") << QString() << refused;
        QTest::newRow("blanks") << QStringLiteral("   ") << refused;
        QTest::newRow("letters") << QStringLiteral("a/b/c") << refused;
        QTest::newRow("three-digit day") << QStringLiteral("001/01/2010") << refused;
        QTest::newRow("blank inside") << QStringLiteral("1 /1/2010") << refused;
        QTest::newRow("signed day") << QStringLiteral("+1/1/2010") << refused;
    }

    void textToDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(
            describe(Dates::textToDate(text)), describe(date.isValid() ? std::optional(date) : std::nullopt));
        QCOMPARE(Dates::isDate(text), date.isValid());
    }

    void dateToText()
    {
        QCOMPARE(Dates::dateToText(QDate(100, 1, 1)), QStringLiteral("01/01/0100"));
        QCOMPARE(Dates::dateToText(QDate(9999, 12, 31)), QStringLiteral("31/12/9999"));
        QCOMPARE(Dates::twoDigits(4), QStringLiteral("04"));
        QCOMPARE(Dates::twoDigits(0), QStringLiteral("00"));
        QCOMPARE(Dates::twoDigits(31), QStringLiteral("31"));
    }
};

QTEST_APPLESS_MAIN(TestDates)
#include "tst_dates.moc"
