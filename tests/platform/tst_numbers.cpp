#include "casefile.h"
#include "platform/integer.h"
#include "platform/numbertext.h"

#include <QLocale>

#include <clocale>

static QString text(std::optional<Integer> value)
{
    return value ? QString::number(*value) : QStringLiteral("refused");
}

class TestNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs under an Italian locale, whose decimal separator is ",".
    void initTestCase()
    {
        std::setlocale(LC_ALL, "it_IT.UTF-8");
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void toInteger_data()
    {
        addCaseRows<double, QString, QString>(QFINDTESTDATA("integer.cases"), {"value", "halfEven", "floor"});
    }

    void toInteger()
    {
        QFETCH(double, value);
        QFETCH(QString, halfEven);
        QFETCH(QString, floor);
        QCOMPARE(text(Numbers::toIntegerHalfEven(value)), halfEven);
        QCOMPARE(text(Numbers::toIntegerFloor(value)), floor);
    }

    void valAndIsNumeric_data()
    {
        addCaseRows<QString, double, bool>(QFINDTESTDATA("numbertext.cases"), {"text", "val", "numeric"});
        QTest::newRow("ten thousand nines") << QString(10000, u'9') << qInf() << true;
    }

    void valAndIsNumeric()
    {
        QFETCH(QString, text);
        QFETCH(double, val);
        QFETCH(bool, numeric);
        QCOMPARE(Numbers::val(text), val);
        QCOMPARE(Numbers::isNumeric(text), numeric);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
