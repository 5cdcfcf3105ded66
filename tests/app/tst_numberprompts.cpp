// Double-clicks on the information row: the prompts they open and what a
// typed answer does to the calendar, the row and a pending day count.
#include "calendardriver.h"
#include "windowfixture.h"

#include <QPushButton>

class TestNumberPrompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void doubleClickOpensTheRowsPrompt_data();
    void doubleClickOpensTheRowsPrompt();
    void answers_data();
    void answers();
    void rejectedEntryChangesNothing_data();
    void rejectedEntryChangesNothing();
    void moveCompletesAPendingCountOnce_data();
    void moveCompletesAPendingCountOnce();
    void jumpWritesDayMonthYearOverAShorterMonth();
};

void TestNumberPrompts::doubleClickOpensTheRowsPrompt_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    const QString week = QStringLiteral("Calcolo del primo giorno della settimana");
    const QString quarter = QStringLiteral("Calcolo del primo giorno del trimestre");
    const QString day = QStringLiteral("Calcolo del numero del giorno dell'anno");
    const QString weekPrompt = QStringLiteral("Settimana numero:\r\r(esempio: 22 oppure 22/2010)");
    const QString quarterPrompt = QStringLiteral("Trimestre numero:\r\r(esempio: 1 oppure 1/2010)");
    const QString dayPrompt = QStringLiteral("Giorno numero:\r\r(esempio: 78 oppure 78/2010)");
    QTest::newRow("Trimestre:") << QStringLiteral("Lab_Week1_0") << quarter << quarterPrompt;
    QTest::newRow("quarter box") << QStringLiteral("Lab_Week_0") << quarter << quarterPrompt;
    QTest::newRow("Settimana:") << QStringLiteral("Lab_Week1_1") << week << weekPrompt;
    QTest::newRow("week box") << QStringLiteral("Lab_Week_1") << week << weekPrompt;
    QTest::newRow("Giorno dell'anno:") << QStringLiteral("Lab_Week1_2") << day << dayPrompt;
    QTest::newRow("day box") << QStringLiteral("Lab_Week_2") << day << dayPrompt;
}

void TestNumberPrompts::doubleClickOpensTheRowsPrompt()
{
    QFETCH(QString, label);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    WindowFixture f;
    f.window.show();
    f.window.move(80, 60);
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));

    QTest::mouseDClick(f.window.findChild<QLabel *>(label), Qt::LeftButton);

    QCOMPARE(f.dialogs.prompts.size(), 1);
    const RecordedPrompt &shown = f.dialogs.prompts[0];
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.prompt, prompt);
    QCOMPARE(shown.defaultText, QString());
    QCOMPARE(shown.leftTwips, f.window.frameGeometry().x() * 15 + 350);
    QCOMPARE(shown.topTwips, f.window.frameGeometry().y() * 15 + 600);
    QVERIFY(f.dialogs.messages.isEmpty()); // cancelled: nothing else happens
}

void TestNumberPrompts::answers_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<bool>("focusOnCalendar");
    // The calendar shows 10 March 1999; the clock says 2010.
    QTest::newRow("week of the clock's year") << 1 << QStringLiteral("22") << QDate(2010, 5, 31) << false;
    QTest::newRow("week 53 on 1 January") << 1 << QStringLiteral("53/2010") << QDate(2010, 1, 1) << false;
    QTest::newRow("two weeks on") << 1 << QStringLiteral("+2") << QDate(1999, 3, 24) << true;
    QTest::newRow("quarter read day first") << 0 << QStringLiteral("2/2010") << QDate(2010, 4, 1) << false;
    QTest::newRow("a quarter back") << 0 << QStringLiteral("-1") << QDate(1998, 12, 10) << true;
    QTest::newRow("day 78") << 2 << QStringLiteral("78/2010") << QDate(2010, 3, 19) << false;
    QTest::newRow("ten days on") << 2 << QStringLiteral("+10") << QDate(1999, 3, 20) << true;
    QTest::newRow("+ alone stays") << 2 << QStringLiteral("+") << QDate(1999, 3, 10) << true;
}

void TestNumberPrompts::answers()
{
    QFETCH(int, index);
    QFETCH(QString, answer);
    QFETCH(QDate, expected);
    QFETCH(bool, focusOnCalendar);
    WindowFixture f(QDate(2010, 7, 15));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.select(QDate(1999, 3, 10));
    auto *info = f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Info"));
    info->setFocus();
    f.dialogs.answers = {answer};

    f.window.Lab_Week_DblClick(static_cast<Integer>(index));

    QCOMPARE(f.selected(), expected);
    QCOMPARE(f.row(), expectedRow(expected));
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.window.calendar()->isAncestorOf(QApplication::focusWidget()), focusOnCalendar);
    QCOMPARE(info->hasFocus(), !focusOnCalendar);
}

void TestNumberPrompts::rejectedEntryChangesNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("warning");
    QTest::newRow("week 54") << 1 << QStringLiteral("54")
                             << QStringLiteral(
                                    "Attenzione: il numero della settimana deve essere compreso tra 1 e 53");
    QTest::newRow("missing week 53") << 1 << QStringLiteral("53/2011")
                                     << QStringLiteral("Attenzione: la settimana cercata non esiste.");
    QTest::newRow("quarter 5") << 0 << QStringLiteral("5/2010")
                               << QStringLiteral(
                                      "Attenzione: il numero del trimestre deve essere compreso tra 1 e 4");
    QTest::newRow("year 1800") << 0 << QStringLiteral("2/1800")
                               << QStringLiteral("Attenzione: l'anno deve essere compreso tra 1900 e 2100");
    QTest::newRow("day 366 of a common year")
        << 2 << QStringLiteral("366/2011") << QStringLiteral("Attenzione: il giorno cercato non esiste.");
    QTest::newRow("both out of range")
        << 2 << QStringLiteral("400/1800")
        << QStringLiteral("Attenzione: il numero del giorno deve essere compreso tra 1 e 366");
}

void TestNumberPrompts::rejectedEntryChangesNothing()
{
    QFETCH(int, index);
    QFETCH(QString, answer);
    QFETCH(QString, warning);
    WindowFixture f;
    f.select(QDate(2012, 2, 29));
    f.window.Cmd_Diff_MouseDown(1, 0);
    f.dialogs.answers = {answer};

    f.window.Lab_Week_DblClick(static_cast<Integer>(index));

    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].prompt, warning);
    QCOMPARE(f.dialogs.messages[0].style, MessageStyle::Warning);
    QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("Fastorio"));
    QCOMPARE(f.selected(), QDate(2012, 2, 29));
    QCOMPARE(f.row(), expectedRow(QDate(2012, 2, 29)));
    QVERIFY(f.window.formState().DiffPending);
}

void TestNumberPrompts::moveCompletesAPendingCountOnce_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    QTest::newRow("week jump") << 1 << QStringLiteral("22/2010")
                               << QStringLiteral("Tra il 01/03/2010 ed il 31/05/2010 ci sono 91 giorni");
    QTest::newRow("day offset") << 2 << QStringLiteral("-1")
                                << QStringLiteral("Tra il 01/03/2010 ed il 28/02/2010 c'è 1 giorno");
}

void TestNumberPrompts::moveCompletesAPendingCountOnce()
{
    QFETCH(int, index);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    WindowFixture f(QDate(2010, 3, 1));
    f.window.Cmd_Diff_MouseDown(1, 0);
    f.dialogs.answers = {answer};
    QStringList rowWhileOpen;
    f.dialogs.whileMessageOpen = [&](const RecordedMessage &) {
        rowWhileOpen = f.row();
    };

    f.window.Lab_Week_DblClick(static_cast<Integer>(index));

    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].prompt, message);
    QCOMPARE(rowWhileOpen, expectedRow(f.selected()));
    QVERIFY(!f.window.formState().DiffPending);
}

void TestNumberPrompts::jumpWritesDayMonthYearOverAShorterMonth()
{
    WindowFixture f;
    f.select(QDate(2010, 4, 30));
    f.dialogs.answers = {QStringLiteral("151/2011")};
    f.window.Find_Day();
    QCOMPARE(f.selected(), QDate(2011, 5, 31));
    QCOMPARE(f.row(), expectedRow(QDate(2011, 5, 31)));
}

QTEST_MAIN(TestNumberPrompts)
#include "tst_numberprompts.moc"
