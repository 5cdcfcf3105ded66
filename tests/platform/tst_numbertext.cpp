#include "platform/numbertext.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <cmath>

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("date text") << QStringLiteral("22/2010") << 22.0 << false;
        QTest::newRow("trailing letter") << QStringLiteral("  -1.5x") << -1.5 << false;
        QTest::newRow("letters") << QStringLiteral("abc") << 0.0 << false;
        QTest::newRow("sign only") << QStringLiteral("+") << 0.0 << false;
        QTest::newRow("point only") << QStringLiteral(".") << 0.0 << false;
        QTest::newRow("plus sign") << QStringLiteral("+7") << 7.0 << true;
        QTest::newRow("leading point") << QStringLiteral(".5") << 0.5 << true;
        QTest::newRow("negative leading point") << QStringLiteral("-.5") << -0.5 << true;
        QTest::newRow("trailing point") << QStringLiteral("5.") << 5.0 << true;
        QTest::newRow("blanks around") << QStringLiteral(" 2010 ") << 2010.0 << true;
        QTest::newRow("blank inside") << QStringLiteral("20 10") << 20.0 << false;
        QTest::newRow("blank after sign") << QStringLiteral("- 1") << 0.0 << false;
        QTest::newRow("two points") << QStringLiteral("1.2.3") << 1.2 << false;
        QTest::newRow("comma") << QStringLiteral("1,5") << 1.0 << false;
        QTest::newRow("empty") << QString() << 0.0 << false;
        QTest::newRow("blanks") << QStringLiteral("   ") << 0.0 << false;
        QTest::newRow("exponent") << QStringLiteral("1e5") << 1.0 << false;
        QTest::newRow("arabic-indic digit") << QStringLiteral("٣") << 0.0 << false;
        QTest::newRow("full-width digit") << QStringLiteral("１") << 0.0 << false;
    }

    void read()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, numeric);
        QCOMPARE(Numbers::val(text), value);
        QCOMPARE(Numbers::isNumeric(text), numeric);
    }

    void hugeDigitRun()
    {
        const QString digits(10000, u'9');
        const double value = Numbers::val(digits);
        QVERIFY(std::isinf(value) && value > 0);
        QVERIFY(Numbers::isNumeric(digits));
    }

    void ignoresLocale()
    {
        const QByteArray previous = std::setlocale(LC_ALL, nullptr);
        const bool italian = std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr;
        const QLocale previousDefault;
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const double value = Numbers::val(QStringLiteral("1.5"));
        const bool numeric = Numbers::isNumeric(QStringLiteral("1.5"));
        QLocale::setDefault(previousDefault);
        std::setlocale(LC_ALL, previous.constData());
        if (!italian)
            qInfo("it_IT.UTF-8 is not installed: only the Qt default locale was Italian");
        QCOMPARE(value, 1.5);
        QVERIFY(numeric);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
