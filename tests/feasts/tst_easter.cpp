#include "feasts/easter.h"
#include "gregorianeaster.h"

#include <QTest>

class TestEaster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agreesWithAnonymousAlgorithm()
    {
        for (int year = 1583; year <= 2499; ++year)
            QCOMPARE(Calc_Easter(Integer(year)), gregorianEaster(year));
    }

    void knownYears_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("easter");
        QTest::newRow("1900") << 1900 << QDate(1900, 4, 15);
        QTest::newRow("2010") << 2010 << QDate(2010, 4, 4);
        QTest::newRow("sum 31 stays in March") << 2024 << QDate(2024, 3, 31);
        QTest::newRow("sum 32 is 1 April") << 2018 << QDate(2018, 4, 1);
        QTest::newRow("last year of row 3") << 2099 << QDate(2099, 4, 12);
        QTest::newRow("first year of row 4") << 2100 << QDate(2100, 3, 28);
        QTest::newRow("d 29, e 6: 1981") << 1981 << QDate(1981, 4, 19);
        QTest::newRow("d 29, e 6: 2076") << 2076 << QDate(2076, 4, 19);
        QTest::newRow("d 28, e 6: 1954") << 1954 << QDate(1954, 4, 18);
        QTest::newRow("d 28, e 6: 2049") << 2049 << QDate(2049, 4, 18);
    }

    void knownYears()
    {
        QFETCH(int, year);
        QFETCH(QDate, easter);
        QCOMPARE(Calc_Easter(Integer(year)), easter);
    }

    void yearsWithoutRow() { QVERIFY(!Calc_Easter(1582).isValid()); }

    void findIndex_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("index");
        QTest::newRow("below the first") << 1582.0 << -1;
        QTest::newRow("just below the first") << 1582.9 << -1;
        QTest::newRow("first") << 1583.0 << 0;
        QTest::newRow("1899") << 1899.0 << 2;
        QTest::newRow("1900") << 1900.0 << 3;
        QTest::newRow("no row at 2000") << 2000.0 << 3;
        QTest::newRow("2099") << 2099.0 << 3;
        QTest::newRow("2100") << 2100.0 << 4;
        QTest::newRow("2399.5") << 2399.5 << 6;
        QTest::newRow("2400") << 2400.0 << 7;
        QTest::newRow("far beyond") << 32767.0 << 7;
    }

    void findIndex()
    {
        QFETCH(double, value);
        QFETCH(int, index);
        const QList<Integer> startYears = {1583, 1700, 1800, 1900, 2100, 2200, 2300, 2400};
        QCOMPARE(int(Find_Index(value, startYears)), index);
        QCOMPARE(int(Find_Index(value, {})), -1);
    }
};

QTEST_APPLESS_MAIN(TestEaster)
#include "tst_easter.moc"
