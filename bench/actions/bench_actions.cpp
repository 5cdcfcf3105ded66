// Latency of the window's actions, from the handler (or the mouse event) to
// the repaint it causes, with scripted dialogs so that only the program's own
// work is timed. Each benchmark first checks once that its action does what
// it should, so that a broken action cannot pass for a fast one.
#include "calendardriver.h"
#include "dayinfo/daydiff.h"
#include "feasts/holidays.h"
#include "windowfixture.h"

#include <QCoreApplication>
#include <QLabel>

#include <memory>

namespace
{

// Two weeks on different pages, so that every jump redraws the grid.
const QString WeekFar = QStringLiteral("22/2010");
const QString WeekNear = QStringLiteral("9/2010");
const QDate FirstDayOfWeekFar(2010, 5, 31);
const QDate FirstDayOfWeekNear(2010, 3, 1);

// Handles what the action left pending, its repaints included.
void settle()
{
    QCoreApplication::processEvents();
}

// The user's gestures: a double-click on the week box, a press on "M" or "D".
void doubleClickWeek(WindowFixture &f)
{
    QTest::mouseDClick(f.control(QStringLiteral("Lab_Week_1")), Qt::LeftButton);
}

void press(WindowFixture &f, const char *button, Qt::MouseButton mouse, Qt::KeyboardModifiers keys = {})
{
    QTest::mousePress(f.control(QString::fromLatin1(button)), mouse, keys);
    QTest::mouseRelease(f.control(QString::fromLatin1(button)), mouse, keys);
}

} // namespace

class BenchActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void weekJump();
    void holidayList();
    void dateDifference();
    void mousePick();

private:
    std::unique_ptr<WindowFixture> m_fixture;
};

void BenchActions::init()
{
    m_fixture = std::make_unique<WindowFixture>(QDate(2010, 3, 1));
    m_fixture->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_fixture->window));
    settle();
}

void BenchActions::cleanup()
{
    m_fixture.reset();
}

void BenchActions::weekJump()
{
    WindowFixture &f = *m_fixture;
    f.dialogs.answers = {WeekFar};
    doubleClickWeek(f);
    QCOMPARE(f.selected(), FirstDayOfWeekFar);
    QCOMPARE(f.dialogs.prompts.size(), 1);

    bool far = false;
    QBENCHMARK
    {
        far = !far;
        f.dialogs.answers = {far ? WeekNear : WeekFar};
        doubleClickWeek(f);
        settle();
    }
    QVERIFY(f.selected() == FirstDayOfWeekFar || f.selected() == FirstDayOfWeekNear);
}

void BenchActions::holidayList()
{
    WindowFixture &f = *m_fixture;
    f.dialogs.answers = {QStringLiteral("2010")};
    press(f, "Cmd_Oggi", Qt::RightButton, Qt::ControlModifier);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.first().title, Feasts::holidayListTitle(2010));
    QVERIFY(f.dialogs.messages.first().prompt.contains(QStringLiteral("Pasqua")));

    QBENCHMARK
    {
        f.dialogs.clear();
        f.dialogs.answers = {QStringLiteral("2010")};
        press(f, "Cmd_Oggi", Qt::RightButton, Qt::ControlModifier);
        settle();
    }
    QCOMPARE(f.dialogs.messages.size(), 1);
}

void BenchActions::dateDifference()
{
    WindowFixture &f = *m_fixture;
    press(f, "Cmd_Diff", Qt::LeftButton);
    f.dialogs.answers = {WeekFar};
    doubleClickWeek(f);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.first().title, DayInfo::dayDiffTitle());
    // 1 March to 31 May 2010: 30 + 30 + 31 days.
    QVERIFY(f.dialogs.messages.first().prompt.endsWith(QStringLiteral(" 91 giorni")));

    bool far = true;
    QBENCHMARK
    {
        far = !far;
        f.dialogs.clear();
        press(f, "Cmd_Diff", Qt::LeftButton);
        f.dialogs.answers = {far ? WeekFar : WeekNear};
        doubleClickWeek(f);
        settle();
    }
    QCOMPARE(f.dialogs.messages.size(), 1);
}

void BenchActions::mousePick()
{
    WindowFixture &f = *m_fixture;
    CalendarDriver driver(f.calendar);
    const QDate first(2010, 3, 10);
    const QDate second(2010, 3, 24);
    QVERIFY(driver.click(second));
    QCOMPARE(f.selected(), second);
    QCOMPARE(f.row(), expectedRow(second));

    // Cell centres are looked up once: the lookup is the test's, not the program's.
    const QPoint firstCell = f.calendar->grid()->visualRect(driver.cellOf(first)).center();
    const QPoint secondCell = f.calendar->grid()->visualRect(driver.cellOf(second)).center();
    QWidget *viewport = f.calendar->grid()->viewport();
    bool onFirst = false;
    QBENCHMARK
    {
        onFirst = !onFirst;
        QTest::mouseClick(viewport, Qt::LeftButton, {}, onFirst ? firstCell : secondCell);
        settle();
    }
    QVERIFY(f.selected() == first || f.selected() == second);
    QCOMPARE(f.row(), expectedRow(f.selected()));
}

QTEST_MAIN(BenchActions)
#include "bench_actions.moc"
