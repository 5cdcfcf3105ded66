#include "platform/integer.h"

#include <QTest>

#include <cfenv>
#include <cmath>
#include <limits>

namespace
{

// Out of reach of any Integer, so that a failed conversion compares as a value.
constexpr int Refused = 100000;

int orRefused(std::optional<Integer> value)
{
    return value ? int(*value) : Refused;
}

} // namespace

class TestInteger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversions_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("halfEven");
        QTest::addColumn<int>("floor");
        constexpr double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("0.5") << 0.5 << 0 << 0;
        QTest::newRow("1.5") << 1.5 << 2 << 1;
        QTest::newRow("2.5") << 2.5 << 2 << 2;
        QTest::newRow("-0.5") << -0.5 << 0 << -1;
        QTest::newRow("-1.5") << -1.5 << -2 << -2;
        QTest::newRow("2010.5") << 2010.5 << 2010 << 2010;
        QTest::newRow("2011.5") << 2011.5 << 2012 << 2011;
        QTest::newRow("2.7") << 2.7 << 3 << 2;
        QTest::newRow("just below a half") << 0.49999999999999994 << 0 << 0;
        QTest::newRow("32767.4") << 32767.4 << 32767 << 32767;
        QTest::newRow("32767.5") << 32767.5 << Refused << 32767;
        QTest::newRow("32768") << 32768.0 << Refused << Refused;
        QTest::newRow("-32768") << -32768.0 << -32768 << -32768;
        QTest::newRow("-32768.5") << -32768.5 << -32768 << Refused;
        QTest::newRow("-32768.6") << -32768.6 << Refused << Refused;
        QTest::newRow("-32769") << -32769.0 << Refused << Refused;
        QTest::newRow("1e300") << 1e300 << Refused << Refused;
        QTest::newRow("inf") << inf << Refused << Refused;
        QTest::newRow("-inf") << -inf << Refused << Refused;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << Refused << Refused;
    }

    void conversions()
    {
        QFETCH(double, value);
        QFETCH(int, halfEven);
        QFETCH(int, floor);
        QCOMPARE(orRefused(Numbers::toIntegerHalfEven(value)), halfEven);
        QCOMPARE(orRefused(Numbers::toIntegerFloor(value)), floor);
    }

    // Every whole number and quarter around the 16-bit range, against the
    // hardware's round-to-nearest-even.
    void wholeRange()
    {
        QCOMPARE(std::fegetround(), FE_TONEAREST);
        const auto fits = [](double whole) {
            return whole >= -32768.0 && whole <= 32767.0;
        };
        for (int whole = -32770; whole <= 32769; ++whole) {
            for (const double fraction : {0.0, 0.25, 0.5, 0.75}) {
                const double value = whole + fraction;
                const double nearest = std::nearbyint(value);
                const int expectedHalfEven = fits(nearest) ? int(nearest) : Refused;
                const int expectedFloor = fits(whole) ? whole : Refused;
                QCOMPARE(orRefused(Numbers::toIntegerHalfEven(value)), expectedHalfEven);
                QCOMPARE(orRefused(Numbers::toIntegerFloor(value)), expectedFloor);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestInteger)
#include "tst_integer.moc"
