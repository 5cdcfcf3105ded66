#include "dayinfo/daydiff.h"

#include <QTest>

class TestDayDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void message_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("message");
        QTest::newRow("same day") << QDate(2010, 3, 1) << QDate(2010, 3, 1)
                                  << QStringLiteral("Tra il 01/03/2010 ed il 01/03/2010 ci sono 0 giorni");
        QTest::newRow("next day") << QDate(2010, 3, 1) << QDate(2010, 3, 2)
                                  << QStringLiteral("Tra il 01/03/2010 ed il 02/03/2010 c'è 1 giorno");
        QTest::newRow("previous day") << QDate(2010, 1, 1) << QDate(2009, 12, 31)
                                      << QStringLiteral("Tra il 01/01/2010 ed il 31/12/2009 c'è 1 giorno");
        QTest::newRow("forward") << QDate(2010, 3, 1) << QDate(2010, 3, 31)
                                 << QStringLiteral("Tra il 01/03/2010 ed il 31/03/2010 ci sono 30 giorni");
        QTest::newRow("backward") << QDate(2010, 3, 31) << QDate(2010, 3, 1)
                                  << QStringLiteral("Tra il 31/03/2010 ed il 01/03/2010 ci sono 30 giorni");
        QTest::newRow("leap day") << QDate(2012, 2, 28) << QDate(2012, 3, 1)
                                  << QStringLiteral("Tra il 28/02/2012 ed il 01/03/2012 ci sono 2 giorni");
    }

    void message()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QString, message);
        QCOMPARE(dayDiffMessage(start, end), message);
    }

    void wholeRange()
    {
        // Days from 1 January 100 to 31 December 9999, counted year by year.
        qint64 days = -1;
        for (int year = 100; year <= 9999; ++year) {
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            days += leap ? 366 : 365;
        }
        const QString count = QStringLiteral(" ci sono ") + QString::number(days) + QStringLiteral(" giorni");
        QCOMPARE(dayDiffMessage(QDate(100, 1, 1), QDate(9999, 12, 31)),
            QStringLiteral("Tra il 01/01/0100 ed il 31/12/9999") + count);
        QCOMPARE(dayDiffMessage(QDate(9999, 12, 31), QDate(100, 1, 1)),
            QStringLiteral("Tra il 31/12/9999 ed il 01/01/0100") + count);
    }

    void title() { QCOMPARE(dayDiffTitle(), QStringLiteral("Calcolo del numero di giorni tra due date")); }
};

QTEST_APPLESS_MAIN(TestDayDiff)
#include "tst_daydiff.moc"
