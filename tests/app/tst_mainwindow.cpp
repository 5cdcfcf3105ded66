// The window's start-up, information row, calendar picks, positioning
// helpers and shutdown, driven headless with scripted dialogs.
#include "calendardriver.h"
#include "windowfixture.h"

#include <QPushButton>
#include <QSignalSpy>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsOnToday_data();
    void startsOnToday();
    void rowShowsTheDaysNumbers_data();
    void rowShowsTheDaysNumbers();
    void mousePicksRefreshTheRow_data();
    void mousePicksRefreshTheRow();
    void keyboardMovesRefreshTheRow();
    void headerBrowsingLeavesSelectionAndRow();
    void shiftDateMovesAndGivesFocus_data();
    void shiftDateMovesAndGivesFocus();
    void shiftDateByZeroCompletesAPendingCount();
    void inputPositionFollowsTheWindow();
    void inputPositionKeepsAnOverflowingCoordinate();
    void closeEndsTheProgram();
    void layoutMatchesTheTwipsGrid();
};

void TestMainWindow::startsOnToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::newRow("31 January") << QDate(2010, 1, 31);
    QTest::newRow("29 February") << QDate(2012, 2, 29);
    QTest::newRow("30 April") << QDate(2010, 4, 30);
    QTest::newRow("31 December of a leap year") << QDate(2008, 12, 31);
    QTest::newRow("1 January in last year's week") << QDate(2010, 1, 1);
}

void TestMainWindow::startsOnToday()
{
    QFETCH(QDate, today);
    WindowFixture f(today, QTime(23, 59, 59));
    QCOMPARE(f.selected(), today);
    QCOMPARE(f.row(), expectedRow(today));
    QCOMPARE(f.window.formState().DiffStartDate, today);
    QCOMPARE(f.window.formState().DiffPending, false);
    QVERIFY(f.dialogs.order.isEmpty());
}

void TestMainWindow::rowShowsTheDaysNumbers_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("1 Jan 2010 in week 53") << QDate(2010, 1, 1) << numbers({"1", "53", "1"});
    QTest::newRow("31 Dec 2008 in week 1, day 366") << QDate(2008, 12, 31) << numbers({"4", "1", "366"});
    QTest::newRow("31 Dec 2010") << QDate(2010, 12, 31) << numbers({"4", "52", "365"});
    QTest::newRow("31 May 2010") << QDate(2010, 5, 31) << numbers({"2", "22", "151"});
    QTest::newRow("1 Jun 2010") << QDate(2010, 6, 1) << numbers({"2", "22", "152"});
    QTest::newRow("week 5 unpadded") << QDate(2010, 2, 1) << numbers({"1", "5", "32"});
}

void TestMainWindow::rowShowsTheDaysNumbers()
{
    QFETCH(QDate, day);
    QFETCH(QStringList, row);
    WindowFixture f;
    f.select(day);
    QCOMPARE(f.row(), row);
}

void TestMainWindow::mousePicksRefreshTheRow_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QDate>("picked");
    QTest::newRow("another day") << QDate(2010, 3, 10) << QDate(2010, 3, 24);
    QTest::newRow("the day already selected") << QDate(2010, 3, 10) << QDate(2010, 3, 10);
    QTest::newRow("grey day of the next month") << QDate(2010, 3, 10) << QDate(2010, 4, 2);
    QTest::newRow("grey day of the previous month") << QDate(2010, 3, 10) << QDate(2010, 2, 28);
}

void TestMainWindow::mousePicksRefreshTheRow()
{
    QFETCH(QDate, shown);
    QFETCH(QDate, picked);
    WindowFixture f;
    f.select(shown);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicks(f.window.calendar(), &Calendar::click);

    QVERIFY(CalendarDriver(f.window.calendar()).click(picked));

    QCOMPARE(clicks.count(), 1);
    QCOMPARE(f.selected(), picked);
    QCOMPARE(f.row(), expectedRow(picked));
    QCOMPARE(f.window.formState().DiffStartDate, picked);
}

void TestMainWindow::keyboardMovesRefreshTheRow()
{
    WindowFixture f;
    f.select(QDate(2010, 12, 31));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    CalendarDriver driver(f.window.calendar());
    QSignalSpy clicks(f.window.calendar(), &Calendar::click);

    driver.key(Qt::Key_Right);
    QCOMPARE(f.selected(), QDate(2011, 1, 1));
    QCOMPARE(f.row(), expectedRow(QDate(2011, 1, 1)));
    driver.key(Qt::Key_Down);
    QCOMPARE(f.selected(), QDate(2011, 1, 8));
    QCOMPARE(f.row(), expectedRow(QDate(2011, 1, 8)));
    QCOMPARE(clicks.count(), 2);
}

void TestMainWindow::headerBrowsingLeavesSelectionAndRow()
{
    WindowFixture f;
    f.select(QDate(2010, 5, 31));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicks(f.window.calendar(), &Calendar::click);
    CalendarDriver driver(f.window.calendar());

    driver.header("qt_calendar_nextmonth");
    driver.header("qt_calendar_nextmonth");
    driver.header("qt_calendar_prevmonth");

    QCOMPARE(f.window.calendar()->calendarWidget()->monthShown(), 6);
    QCOMPARE(f.selected(), QDate(2010, 5, 31));
    QCOMPARE(f.row(), expectedRow(QDate(2010, 5, 31)));
    QCOMPARE(clicks.count(), 0);
}

void TestMainWindow::shiftDateMovesAndGivesFocus_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<Dates::Interval>("interval");
    QTest::addColumn<int>("count");
    QTest::addColumn<QDate>("to");
    QTest::newRow("a quarter clamps to 30 April")
        << QDate(2010, 1, 31) << Dates::Interval::Quarter << 1 << QDate(2010, 4, 30);
    QTest::newRow("a week back over New Year")
        << QDate(2010, 1, 7) << Dates::Interval::Week << -1 << QDate(2009, 12, 31);
    QTest::newRow("zero days") << QDate(2010, 1, 7) << Dates::Interval::Day << 0 << QDate(2010, 1, 7);
    QTest::newRow("past the last day: refused")
        << QDate(9999, 12, 31) << Dates::Interval::Day << 1 << QDate(9999, 12, 31);
    QTest::newRow("before the first day: refused")
        << QDate(100, 1, 1) << Dates::Interval::Quarter << -1 << QDate(100, 1, 1);
}

void TestMainWindow::shiftDateMovesAndGivesFocus()
{
    QFETCH(QDate, from);
    QFETCH(Dates::Interval, interval);
    QFETCH(int, count);
    QFETCH(QDate, to);
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.select(from);
    f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Info"))->setFocus();

    f.window.Shift_Date(interval, static_cast<Integer>(count));

    QCOMPARE(f.selected(), to);
    QCOMPARE(f.row(), expectedRow(to));
    QVERIFY(f.window.calendar()->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(f.dialogs.order.isEmpty());
}

void TestMainWindow::shiftDateByZeroCompletesAPendingCount()
{
    WindowFixture f;
    f.select(QDate(2010, 3, 31));
    f.window.Cmd_Diff_MouseDown(1, 0);
    f.window.Shift_Date(Dates::Interval::Day, 0);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(
        f.dialogs.messages[0].prompt, QStringLiteral("Tra il 31/03/2010 ed il 31/03/2010 ci sono 0 giorni"));
    QCOMPARE(f.window.formState().DiffPending, false);
}

void TestMainWindow::inputPositionFollowsTheWindow()
{
    WindowFixture f;
    f.window.show();
    f.window.move(80, 60); // 1200 and 900 twips
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    const QPoint frame = f.window.frameGeometry().topLeft();
    f.window.Set_InputPos();
    QCOMPARE(f.window.formState().InputPosX, frame.x() * 15 + 350);
    QCOMPARE(f.window.formState().InputPosY, frame.y() * 15 + 600);
    if (frame == QPoint(80, 60))
        QCOMPARE(f.window.formState().InputPosX, 1550);
}

void TestMainWindow::inputPositionKeepsAnOverflowingCoordinate()
{
    WindowFixture f;
    f.window.show();
    f.window.move(80, 60);
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.Set_InputPos();
    const Integer oldX = f.window.formState().InputPosX;

    f.window.move(2167, 100); // 32505 twips + 350 does not fit 16 bits
    QTRY_COMPARE(f.window.frameGeometry().x(), 2167);
    f.window.Set_InputPos();
    QCOMPARE(f.window.formState().InputPosX, oldX);
    QCOMPARE(f.window.formState().InputPosY, f.window.frameGeometry().y() * 15 + 600);
}

void TestMainWindow::closeEndsTheProgram()
{
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.Cmd_Diff_MouseDown(1, 0);
    QVERIFY(!f.window.close()); // refused as a close: the program ends instead
    QCOMPARE(f.programEnds, 1);
    QVERIFY(f.dialogs.order.isEmpty());
}

void TestMainWindow::layoutMatchesTheTwipsGrid()
{
    WindowFixture f;
    struct Expected {
        const char *name;
        QRect twips;
    };
    const Expected controls[] = {
        {"Calendar", {0, 0, 6015, 3255}},
        {"Cmd_Info", {120, 120, 375, 255}},
        {"Cmd_Oggi", {5160, 3480, 375, 255}},
        {"Cmd_Diff", {5520, 3480, 375, 255}},
        {"Lab_Week1_1", {1560, 3480, 735, 255}},
        {"Lab_Week_1", {2370, 3480, 495, 255}},
        {"Lab_Week_2", {4320, 3480, 495, 255}},
        {"Lab_Week1_2", {3040, 3480, 1215, 255}},
        {"Lab_Week_0", {840, 3480, 495, 255}},
        {"Lab_Week1_0", {105, 3480, 735, 255}},
    };
    for (const Expected &control : controls) {
        auto *widget = f.window.findChild<QWidget *>(QLatin1String(control.name));
        QVERIFY2(widget, control.name);
        const QRect px = widget->geometry();
        const QRect t = control.twips;
        QVERIFY2(qAbs(px.x() * 15 - t.x()) < 15 && qAbs(px.y() * 15 - t.y()) < 15 &&
                qAbs(px.width() * 15 - t.width()) < 15 && qAbs(px.height() * 15 - t.height()) < 15,
            control.name);
    }
    QCOMPARE(f.window.size(), QSize(403, 255));
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Fastorio"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
