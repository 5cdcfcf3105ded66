// The calendar adapter: what code writes do, and which user actions raise
// exactly one Click.
#include "calendardriver.h"

#include "platform/dates.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTextCharFormat>

class TestCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void dayMonthYearWritesNameTheDate_data();
    void dayMonthYearWritesNameTheDate();
    void refusedWritesKeepTheSelection_data();
    void refusedWritesKeepTheSelection();
    void codeWritesRaiseNoClick();
    void oneClickPerPick_data();
    void oneClickPerPick();
    void typedDateIsAPick();
    void lookIsItalianMondayFirstDarkBlue();

private:
    Calendar *calendar = nullptr;
};

void TestCalendar::init()
{
    calendar = new Calendar;
    calendar->resize(401, 217);
    calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(calendar));
}

void TestCalendar::cleanup()
{
    delete calendar;
}

void TestCalendar::dayMonthYearWritesNameTheDate_data()
{
    QTest::addColumn<QDate>("before");
    QTest::addColumn<QDate>("named");
    QTest::newRow("31 while a 30-day month is shown") << QDate(2010, 4, 30) << QDate(2010, 5, 31);
    QTest::newRow("31 while February is shown") << QDate(2011, 2, 28) << QDate(2011, 1, 31);
    QTest::newRow("29 February from a common year") << QDate(2011, 3, 15) << QDate(2012, 2, 29);
    QTest::newRow("across centuries") << QDate(1900, 12, 31) << QDate(2100, 1, 1);
    QTest::newRow("the same day") << QDate(2010, 5, 31) << QDate(2010, 5, 31);
}

void TestCalendar::dayMonthYearWritesNameTheDate()
{
    QFETCH(QDate, before);
    QFETCH(QDate, named);
    QVERIFY(calendar->setValue(before));
    calendar->setDay(static_cast<Integer>(named.day()));
    calendar->setMonth(static_cast<Integer>(named.month()));
    calendar->setYear(static_cast<Integer>(named.year()));
    QCOMPARE(calendar->value(), named);
    QCOMPARE(calendar->year(), named.year());
    QCOMPARE(calendar->calendarWidget()->monthShown(), named.month());
}

void TestCalendar::refusedWritesKeepTheSelection_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::newRow("day 0") << 0 << 5 << 2010;
    QTest::newRow("day 32") << 32 << 5 << 2010;
    QTest::newRow("month 13") << 1 << 13 << 2010;
    QTest::newRow("year 99") << 1 << 5 << 99;
    QTest::newRow("year 10000") << 1 << 5 << 10000;
}

void TestCalendar::refusedWritesKeepTheSelection()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QVERIFY(calendar->setValue(QDate(2010, 5, 15)));
    const bool accepted = calendar->setDay(static_cast<Integer>(day)) &&
        calendar->setMonth(static_cast<Integer>(month)) && calendar->setYear(static_cast<Integer>(year));
    QVERIFY(!accepted);
    QCOMPARE(calendar->value().year(), 2010);
    QVERIFY(!calendar->setValue(QDate(99, 12, 31)));
    QVERIFY(!calendar->setValue(QDate(10000, 1, 1)));
    QVERIFY(!calendar->setValue(QDate()));
    QCOMPARE(calendar->value().year(), 2010);
}

void TestCalendar::codeWritesRaiseNoClick()
{
    QSignalSpy clicks(calendar, &Calendar::click);
    calendar->setValue(QDate(2010, 1, 31));
    calendar->setDay(28);
    calendar->setMonth(2);
    calendar->setYear(2012);
    calendar->setValue(Dates::firstDate());
    calendar->setValue(Dates::lastDate());
    calendar->refresh();
    QCOMPARE(clicks.count(), 0);
}

void TestCalendar::oneClickPerPick_data()
{
    QTest::addColumn<QDate>("picked");
    QTest::newRow("another day") << QDate(2010, 3, 24);
    QTest::newRow("the selected day") << QDate(2010, 3, 10);
    QTest::newRow("grey day after") << QDate(2010, 4, 3);
    QTest::newRow("grey day before") << QDate(2010, 3, 1).addDays(-1);
}

void TestCalendar::oneClickPerPick()
{
    QFETCH(QDate, picked);
    calendar->setValue(QDate(2010, 3, 10));
    QDate seenAtClick;
    connect(calendar, &Calendar::click, this, [&] {
        seenAtClick = calendar->value();
    });
    QSignalSpy clicks(calendar, &Calendar::click);
    CalendarDriver driver(calendar);

    QVERIFY(driver.click(picked));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(seenAtClick, picked);

    // A press away from any day, then a keyboard move: one more Click.
    QTest::mouseClick(driver.view()->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    driver.key(Qt::Key_Left);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(seenAtClick, picked.addDays(-1));
}

void TestCalendar::typedDateIsAPick()
{
    calendar->setValue(QDate(2010, 3, 10));
    calendar->calendarWidget()->setDateEditAcceptDelay(1);
    QSignalSpy clicks(calendar, &Calendar::click);
    CalendarDriver driver(calendar);
    driver.view()->setFocus();

    // Typing on the grid opens the pop-up date editor; Enter accepts it.
    QTest::keyClick(driver.view(), Qt::Key_2);
    QTest::keyClick(driver.view(), Qt::Key_0);
    QTRY_COMPARE_WITH_TIMEOUT(clicks.count(), 1, 2000);
    QCOMPARE(calendar->value(), QDate(2010, 3, 20));
}

void TestCalendar::lookIsItalianMondayFirstDarkBlue()
{
    QCalendarWidget *widget = calendar->calendarWidget();
    QCOMPARE(widget->firstDayOfWeek(), Qt::Monday);
    QCOMPARE(widget->locale().language(), QLocale::Italian);
    for (int weekday = Qt::Monday; weekday <= Qt::Sunday; ++weekday)
        QVERIFY(!widget->weekdayTextFormat(static_cast<Qt::DayOfWeek>(weekday))
                     .hasProperty(QTextFormat::ForegroundBrush));
    auto *grid = CalendarDriver(calendar).view();
    QCOMPARE(grid->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 160));
    QCOMPARE(widget->headerTextFormat().foreground().color(), QColor(Qt::black));
    QCOMPARE(widget->minimumDate(), QDate(100, 1, 1));
    QCOMPARE(widget->maximumDate(), QDate(9999, 12, 31));
}

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
