#include "casefile.h"
#include "dayinfo/daydiff.h"

class TestDayDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void message_data()
    {
        addCaseRows<QDate, QDate, QString>(QFINDTESTDATA("daydiff.cases"), {"start", "end", "message"});
    }

    void message()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QString, message);
        QCOMPARE(DayInfo::dayDiffMessage(start, end), message);
    }
};

QTEST_APPLESS_MAIN(TestDayDiff)
#include "tst_daydiff.moc"
