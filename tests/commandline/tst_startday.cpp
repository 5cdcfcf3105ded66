#include "app/rur_irozuvod.h"
#include "commandline/commandline.h"
#include "fakedialogservice.h"
#include "fixedclock.h"
#include "platform/mouse.h"

#include <QLabel>
#include <QTest>

// The window as the command line opens it: on the named day, or on the
// clock's when none is named, with the first count of days starting there.
class TestStartDay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnDay_data();
    void opensOnDay();
};

void TestStartDay::opensOnDay_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("row"); // quarter, ISO week, day of the year
    QTest::addColumn<QString>("count"); // "D" pressed, then ten days on

    // The clock reads 1 March 2010.
    QTest::newRow("no day: the clock's")
        << QString() << QStringLiteral("1 9 60")
        << QStringLiteral("Tra il 01/03/2010 ed il 11/03/2010 ci sono 10 giorni");
    QTest::newRow("a named day") << QStringLiteral("31/05/2010") << QStringLiteral("2 22 151")
                                 << QStringLiteral("Tra il 31/05/2010 ed il 10/06/2010 ci sono 10 giorni");
    QTest::newRow("blanks, short year")
        << QStringLiteral(" 15/8/12 ") << QStringLiteral("3 33 228")
        << QStringLiteral("Tra il 15/08/2012 ed il 25/08/2012 ci sono 10 giorni");
}

void TestStartDay::opensOnDay()
{
    QFETCH(QString, argument);
    QFETCH(QString, row);
    QFETCH(QString, count);

    QStringList arguments {QStringLiteral("fastorio")};
    if (!argument.isNull())
        arguments << argument;
    const auto outcome = CommandLine::read(arguments);
    QVERIFY(std::holds_alternative<CommandLine::OpenWindow>(outcome));
    FakeDialogService dialogs;
    FixedClock clock(QDateTime(QDate(2010, 3, 1), QTime(10, 30)));
    Rur_Irozuvod window(dialogs, clock, std::get<CommandLine::OpenWindow>(outcome).startDay);

    QStringList boxes;
    for (int index = 0; index < 3; ++index)
        boxes << window.findChild<QLabel *>(QStringLiteral("Lab_Week_%1").arg(index))->text();
    QCOMPARE(boxes.join(u' '), row);
    window.Cmd_Diff_MouseDown(Mouse::LeftButton, Mouse::NoKeys);
    window.Shift_Date(Dates::Interval::Day, 10);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].prompt, count);
}

QTEST_MAIN(TestStartDay)
#include "tst_startday.moc"
