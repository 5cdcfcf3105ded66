// The "D" button's count of days between two picked dates, and the "?"
// button's about box, at window level.
#include "calendardriver.h"
#include "windowfixture.h"

#include <QPushButton>

namespace
{

const QString DiffTitle = QStringLiteral("Calcolo del numero di giorni tra due date");

} // namespace

class TestDayDiffWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pressesOnD_data();
    void pressesOnD();
    void pickCompletesACount();
    void countFromTheDayShownAfterACompletion();
    void disarmedCountShowsNothing();
    void aboutBox();
    void aboutNamesTheCurrentCaptions();
};

void TestDayDiffWindow::pressesOnD_data()
{
    QTest::addColumn<bool>("armedBefore");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("armedAfter");
    QTest::addColumn<bool>("help");
    using M = Qt::KeyboardModifiers;
    QTest::newRow("arm") << false << Qt::LeftButton << M() << true << false;
    QTest::newRow("arm twice") << true << Qt::LeftButton << M() << true << false;
    QTest::newRow("disarm") << true << Qt::LeftButton << M(Qt::ShiftModifier) << false << false;
    QTest::newRow("disarm when idle") << false << Qt::LeftButton << M(Qt::ShiftModifier) << false << false;
    QTest::newRow("help while armed") << true << Qt::RightButton << M() << true << true;
    QTest::newRow("help when idle") << false << Qt::RightButton << M() << false << true;
    QTest::newRow("ctrl+left") << false << Qt::LeftButton << M(Qt::ControlModifier) << false << false;
    QTest::newRow("alt+left while armed") << true << Qt::LeftButton << M(Qt::AltModifier) << true << false;
    QTest::newRow("shift+right") << true << Qt::RightButton << M(Qt::ShiftModifier) << true << false;
    QTest::newRow("middle") << false << Qt::MiddleButton << M() << false << false;
}

void TestDayDiffWindow::pressesOnD()
{
    QFETCH(bool, armedBefore);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, armedAfter);
    QFETCH(bool, help);
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    if (armedBefore)
        f.window.Cmd_Diff_MouseDown(1, 0);
    auto *diff = f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Diff"));
    f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Info"))->setFocus();

    QTest::mousePress(diff, button, modifiers);
    QTest::mouseRelease(diff, button, modifiers);

    QCOMPARE(f.window.formState().DiffPending, armedAfter);
    QCOMPARE(f.dialogs.messages.size(), help ? 1 : 0);
    if (help) {
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("Funzioni del tasto D"));
        QVERIFY(
            f.dialogs.messages[0].prompt.startsWith(QStringLiteral("Selezione con:\r\r1) tasto sinistro")));
    }
    QVERIFY(f.window.calendar()->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(!diff->isDown());
}

void TestDayDiffWindow::pickCompletesACount()
{
    WindowFixture f(QDate(2010, 3, 1));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QTest::mousePress(f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Diff")), Qt::LeftButton);
    QStringList rowWhileOpen;
    f.dialogs.whileMessageOpen = [&](const RecordedMessage &) {
        rowWhileOpen = f.row();
    };

    QVERIFY(CalendarDriver(f.window.calendar()).click(QDate(2010, 3, 31)));

    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(
        f.dialogs.messages[0].prompt, QStringLiteral("Tra il 01/03/2010 ed il 31/03/2010 ci sono 30 giorni"));
    QCOMPARE(f.dialogs.messages[0].title, DiffTitle);
    QCOMPARE(f.dialogs.messages[0].style, MessageStyle::Information);
    QCOMPARE(rowWhileOpen, expectedRow(QDate(2010, 3, 31)));
    QCOMPARE(f.window.formState().DiffPending, false);
    QCOMPARE(f.window.formState().DiffEndDate, QDate(2010, 3, 31));
    QVERIFY(f.window.calendar()->isAncestorOf(QApplication::focusWidget()));
}

void TestDayDiffWindow::countFromTheDayShownAfterACompletion()
{
    WindowFixture f(QDate(2012, 2, 28));
    f.window.Cmd_Diff_MouseDown(1, 0);
    f.window.Shift_Date(Dates::Interval::Day, 2); // completes on 1 March 2012
    f.window.Cmd_Diff_MouseDown(1, 0);
    f.window.Shift_Date(Dates::Interval::Day, -1);
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(
        f.dialogs.messages[0].prompt, QStringLiteral("Tra il 28/02/2012 ed il 01/03/2012 ci sono 2 giorni"));
    QCOMPARE(f.dialogs.messages[1].prompt, QStringLiteral("Tra il 01/03/2012 ed il 29/02/2012 c'è 1 giorno"));
}

void TestDayDiffWindow::disarmedCountShowsNothing()
{
    WindowFixture f(QDate(2010, 3, 1));
    f.window.Cmd_Diff_MouseDown(1, 0);
    f.window.Cmd_Diff_MouseDown(1, 1);
    f.window.Shift_Date(Dates::Interval::Week, 1);
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.window.formState().DiffStartDate, QDate(2010, 3, 8));
}

void TestDayDiffWindow::aboutBox()
{
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.Cmd_Diff_MouseDown(1, 0);
    auto *oggi = f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Oggi"));
    oggi->setFocus();

    QTest::mouseClick(f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Info")), Qt::LeftButton);

    QCOMPARE(f.dialogs.messages.size(), 1);
    const RecordedMessage &about = f.dialogs.messages[0];
    QCOMPARE(about.title, QStringLiteral("Informazioni su..."));
    QCOMPARE(about.style, MessageStyle::Information);
    const QStringList lines = about.prompt.split(u'\r');
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[0], QStringLiteral("Fastorio - Versione 1.00"));
    QCOMPARE(
        lines[6], QStringLiteral("Selezionando con il tasto destro del mouse i tasti M e D sarà possibile"));
    QVERIFY(!about.prompt.contains(u'\n'));
    QVERIFY(f.window.calendar()->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(f.window.formState().DiffPending);
}

void TestDayDiffWindow::aboutNamesTheCurrentCaptions()
{
    WindowFixture f;
    f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Oggi"))->setText(QStringLiteral("Oggi"));
    f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Diff"))->setText(QStringLiteral("Diff"));
    f.window.Cmd_Info_Click();
    f.window.Cmd_Diff_MouseDown(2, 0);
    QCOMPARE(f.dialogs.messages.size(), 2);
    QVERIFY(f.dialogs.messages[0].prompt.contains(QStringLiteral("i tasti Oggi e Diff sarà possibile\r")));
    QCOMPARE(f.dialogs.messages[1].title, QStringLiteral("Funzioni del tasto Diff"));
}

QTEST_MAIN(TestDayDiffWindow)
#include "tst_daydiffwindow.moc"
