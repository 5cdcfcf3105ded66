#include "casefile.h"
#include "platform/integer.h"
#include "platform/numbertext.h"

#include <QLocale>
#include <QTest>

#include <cfenv>
#include <clocale>
#include <cmath>

static void addRows(const QString &path)
{
    QTest::addColumn<QStringList>("fields");
    for (const QStringList &fields : readCases(path))
        QTest::newRow(qPrintable(QLatin1Char('"') + fields[0] + QLatin1Char('"'))) << fields;
}

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

    void toInteger_data() { addRows(QFINDTESTDATA("integer.cases")); }

    void toInteger()
    {
        QFETCH(QStringList, fields);
        const double value = fields[0].toDouble();
        QCOMPARE(text(Numbers::toIntegerHalfEven(value)), fields[1]);
        QCOMPARE(text(Numbers::toIntegerFloor(value)), fields[2]);
    }

    // Every whole number and quarter around the 16-bit range, against the
    // hardware's round-to-nearest-even.
    void toIntegerWholeRange()
    {
        QCOMPARE(std::fegetround(), FE_TONEAREST);
        const auto expected = [](double whole) {
            return whole >= -32768 && whole <= 32767 ? QString::number(int(whole))
                                                     : QStringLiteral("refused");
        };
        for (int whole = -32770; whole <= 32769; ++whole) {
            for (const double value : {whole + 0.0, whole + 0.25, whole + 0.5, whole + 0.75}) {
                QCOMPARE(text(Numbers::toIntegerHalfEven(value)), expected(std::nearbyint(value)));
                QCOMPARE(text(Numbers::toIntegerFloor(value)), expected(whole));
            }
        }
    }

    void valAndIsNumeric_data()
    {
        addRows(QFINDTESTDATA("numbertext.cases"));
        QTest::newRow("10000 nines") << QStringList(
            {QString(10000, u'9'), QStringLiteral("inf"), QStringLiteral("yes")});
    }

    void valAndIsNumeric()
    {
        QFETCH(QStringList, fields);
        QCOMPARE(Numbers::val(fields[0]), fields[1].toDouble());
        QCOMPARE(Numbers::isNumeric(fields[0]), fields[2] == QLatin1String("yes"));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
