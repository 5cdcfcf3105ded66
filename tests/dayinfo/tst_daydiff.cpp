#include "casefile.h"
#include "dayinfo/daydiff.h"

#include <QTest>

using namespace DayInfo;

class TestDayDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void message_data()
    {
        QTest::addColumn<QStringList>("fields");
        for (const QStringList &fields : readCases(QFINDTESTDATA("daydiff.cases")))
            QTest::newRow(qPrintable(fields[0] + QStringLiteral(" to ") + fields[1])) << fields;
    }

    void message()
    {
        QFETCH(QStringList, fields);
        const QDate start = QDate::fromString(fields[0], u"dd/MM/yyyy");
        QCOMPARE(dayDiffMessage(start, QDate::fromString(fields[1], u"dd/MM/yyyy")), fields[2]);
    }

    void title() { QCOMPARE(dayDiffTitle(), QStringLiteral("Calcolo del numero di giorni tra due date")); }
};

QTEST_APPLESS_MAIN(TestDayDiff)
#include "tst_daydiff.moc"
