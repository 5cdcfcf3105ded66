#include "navigation/searches.h"

#include <QStringList>
#include <QTest>

using namespace Navigation;

namespace
{

constexpr int FirstYear = 1900;
constexpr int LastYear = 2100;

// What the week search must give, worked out from ISO week numbers and the
// Monday of week 1 (the week of 4 January) instead of walking the days.
QDate expectedWeekStart(int week, int year)
{
    const QDate newYear(year, 1, 1);
    if (week == 1)
        return newYear.dayOfWeek() <= 4 ? newYear : newYear.addDays(8 - newYear.dayOfWeek());
    const QDate fourth(year, 1, 4);
    const QDate monday = fourth.addDays(1 - fourth.dayOfWeek() + 7 * (week - 1));
    int isoYear = 0;
    if (monday.weekNumber(&isoYear) == week && isoYear == year)
        return monday;
    if (week == 53 && newYear.weekNumber() == 53)
        return newYear;
    return {};
}

QString describe(int number, int year, QDate found, QDate expected)
{
    return QStringLiteral("%1/%2 gave %3, expected %4")
        .arg(number)
        .arg(year)
        .arg(found.toString(Qt::ISODate), expected.toString(Qt::ISODate));
}

QString firstOf(const QStringList &mismatches)
{
    return QStringLiteral("%1 mismatches: ").arg(mismatches.size()) +
        mismatches.mid(0, 5).join(QStringLiteral("; "));
}

} // namespace

class TestSearches : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void weekEveryYear()
    {
        QStringList mismatches;
        for (int year = FirstYear; year <= LastYear; ++year) {
            for (int week = 1; week <= 53; ++week) {
                const QDate found = findWeekStart(Integer(week), Integer(year)).value_or(QDate());
                const QDate expected = expectedWeekStart(week, year);
                if (found != expected)
                    mismatches << describe(week, year, found, expected);
            }
        }
        QVERIFY2(mismatches.isEmpty(), qPrintable(firstOf(mismatches)));
    }

    void weekFiftyThreeCounts()
    {
        int ownWeek = 0;
        int carriedIntoJanuary = 0;
        int missing = 0;
        for (int year = FirstYear; year <= LastYear; ++year) {
            const std::optional<QDate> found = findWeekStart(53, Integer(year));
            if (!found)
                ++missing;
            else if (found->month() == 12)
                ++ownWeek;
            else if (*found == QDate(year, 1, 1))
                ++carriedIntoJanuary;
        }
        QCOMPARE(ownWeek, 36);
        QCOMPARE(carriedIntoJanuary, 36);
        QCOMPARE(missing, 129);
    }

    void weekExamples_data()
    {
        QTest::addColumn<int>("week");
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("expected"); // invalid: the week does not exist

        QTest::newRow("22/2010") << 22 << 2010 << QDate(2010, 5, 31);
        QTest::newRow("1/2008 on a Tuesday") << 1 << 2008 << QDate(2008, 1, 1);
        QTest::newRow("1/2010 after week 53") << 1 << 2010 << QDate(2010, 1, 4);
        QTest::newRow("52/2011, January carries 52") << 52 << 2011 << QDate(2011, 12, 26);
        QTest::newRow("52/2010") << 52 << 2010 << QDate(2010, 12, 27);
        QTest::newRow("53/2009") << 53 << 2009 << QDate(2009, 12, 28);
        QTest::newRow("53/2004") << 53 << 2004 << QDate(2004, 12, 27);
        QTest::newRow("53/2010 on 1 January") << 53 << 2010 << QDate(2010, 1, 1);
        QTest::newRow("53/2011 missing") << 53 << 2011 << QDate();
        QTest::newRow("1/1900") << 1 << 1900 << QDate(1900, 1, 1);
        QTest::newRow("52/2100") << 52 << 2100 << QDate(2100, 12, 27);
    }

    void weekExamples()
    {
        QFETCH(int, week);
        QFETCH(int, year);
        QFETCH(QDate, expected);
        QCOMPARE(findWeekStart(Integer(week), Integer(year)).value_or(QDate()), expected);
    }

    void dayEveryYear()
    {
        QStringList mismatches;
        for (int year = FirstYear; year <= LastYear; ++year) {
            for (int day = 1; day <= 366; ++day) {
                const QDate candidate = QDate(year, 1, 1).addDays(day - 1);
                const QDate expected = candidate.year() == year ? candidate : QDate();
                const QDate found = findDayOfYear(Integer(day), Integer(year)).value_or(QDate());
                if (found != expected)
                    mismatches << describe(day, year, found, expected);
            }
        }
        QVERIFY2(mismatches.isEmpty(), qPrintable(firstOf(mismatches)));
    }

    void quarterEveryYear()
    {
        QStringList mismatches;
        for (int year = FirstYear; year <= LastYear; ++year) {
            for (int quarter = 1; quarter <= 4; ++quarter) {
                const QDate expected(year, 3 * quarter - 2, 1);
                const QDate found = findQuarterStart(Integer(quarter), Integer(year)).value_or(QDate());
                if (found != expected)
                    mismatches << describe(quarter, year, found, expected);
            }
        }
        QVERIFY2(mismatches.isEmpty(), qPrintable(firstOf(mismatches)));
        QVERIFY(!findQuarterStart(0, 2010));
        QVERIFY(!findQuarterStart(5, 2010));
    }
};

QTEST_APPLESS_MAIN(TestSearches)
#include "tst_searches.moc"
