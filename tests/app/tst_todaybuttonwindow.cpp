// The "M" button at window level: each gesture, its prompts, its moves of the
// calendar and where the focus ends up.
#include "windowfixture.h"

#include <QPushButton>

namespace
{

const QString EasterTitle = QStringLiteral("Calcolo della pasqua");
const QString HolidaysTitle = QStringLiteral("Calcolo delle festività");
const QString DateTitle = QStringLiteral("Ricerca di una data");

} // namespace

class TestTodayButtonWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void gestures_data();
    void gestures();
    void realPressesReachTheHandler_data();
    void realPressesReachTheHandler();
    void cancelEndsThePressWithoutFocus_data();
    void cancelEndsThePressWithoutFocus();
    void yearAnswers_data();
    void yearAnswers();
    void defaultYearFollowsTheCalendar();
    void typedDates_data();
    void typedDates();
    void movesCompleteAPendingCount_data();
    void movesCompleteAPendingCount();

private:
    std::unique_ptr<WindowFixture> f;
    QPushButton *info = nullptr;
    bool focusOnCalendar() const { return f->window.calendar()->isAncestorOf(QApplication::focusWidget()); }
};

// A window on 5 December 2026 showing 10 March 1999, the focus on "?".
void TestTodayButtonWindow::init()
{
    f = std::make_unique<WindowFixture>(QDate(2026, 12, 5));
    f->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f->window));
    f->select(QDate(1999, 3, 10));
    info = f->window.findChild<QPushButton *>(QStringLiteral("Cmd_Info"));
    info->setFocus();
}

void TestTodayButtonWindow::gestures_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("promptTitle"); // empty: no prompt
    QTest::addColumn<QDate>("selected");
    QTest::addColumn<QString>("messageTitle"); // empty: no message
    const QDate unchanged(1999, 3, 10);
    QTest::newRow("left: today") << 1 << 0 << QString() << QDate(2026, 12, 5) << QString();
    QTest::newRow("shift+left: typed date") << 1 << 1 << DateTitle << QDate(2001, 5, 3) << QString();
    QTest::newRow("right: help") << 2 << 0 << QString() << unchanged
                                 << QStringLiteral("Funzioni del tasto M");
    QTest::newRow("shift+right: Easter") << 2 << 1 << EasterTitle << QDate(2001, 4, 15) << QString();
    QTest::newRow("ctrl+right: holidays")
        << 2 << 2 << HolidaysTitle << unchanged << QStringLiteral("Festività anno 2001");
    QTest::newRow("middle") << 4 << 0 << QString() << unchanged << QString();
    QTest::newRow("shift+ctrl+right") << 2 << 3 << QString() << unchanged << QString();
    QTest::newRow("alt+left") << 1 << 4 << QString() << unchanged << QString();
    QTest::newRow("alt+right") << 2 << 4 << QString() << unchanged << QString();
    QTest::newRow("ctrl+left") << 1 << 2 << QString() << unchanged << QString();
}

void TestTodayButtonWindow::gestures()
{
    QFETCH(int, button);
    QFETCH(int, shift);
    QFETCH(QString, promptTitle);
    QFETCH(QDate, selected);
    QFETCH(QString, messageTitle);
    f->dialogs.answers = {QStringLiteral("03/05/2001")};
    if (promptTitle != DateTitle)
        f->dialogs.answers = {QStringLiteral("2001")};

    f->window.Cmd_Oggi_MouseDown(static_cast<Integer>(button), static_cast<Integer>(shift));

    QCOMPARE(f->dialogs.prompts.size(), promptTitle.isEmpty() ? 0 : 1);
    if (!promptTitle.isEmpty())
        QCOMPARE(f->dialogs.prompts[0].title, promptTitle);
    QCOMPARE(f->dialogs.messages.size(), messageTitle.isEmpty() ? 0 : 1);
    if (!messageTitle.isEmpty()) {
        QCOMPARE(f->dialogs.messages[0].title, messageTitle);
        QCOMPARE(f->dialogs.messages[0].style, MessageStyle::Information);
    }
    QCOMPARE(f->selected(), selected);
    QCOMPARE(f->row(), expectedRow(selected));
    QVERIFY(focusOnCalendar());
}

void TestTodayButtonWindow::realPressesReachTheHandler_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("promptTitle");
    QTest::newRow("shift+left") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << DateTitle;
    QTest::newRow("shift+right") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                 << EasterTitle;
    QTest::newRow("ctrl+right") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier)
                                << HolidaysTitle;
    QTest::newRow("ctrl+alt+right") << Qt::RightButton
                                    << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)
                                    << QString();
}

void TestTodayButtonWindow::realPressesReachTheHandler()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, promptTitle);
    auto *oggi = f->window.findChild<QPushButton *>(QStringLiteral("Cmd_Oggi"));

    QTest::mousePress(oggi, button, modifiers);

    QCOMPARE(f->dialogs.prompts.size(), promptTitle.isEmpty() ? 0 : 1);
    if (!promptTitle.isEmpty())
        QCOMPARE(f->dialogs.prompts[0].title, promptTitle);
    QTest::mouseRelease(oggi, button, modifiers);
    QVERIFY(!oggi->isDown());
}

void TestTodayButtonWindow::cancelEndsThePressWithoutFocus_data()
{
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("defaultText");
    QTest::newRow("date") << 1 << 1 << QStringLiteral("Data da ricercare:\r\r(esempio:  03/05/2001)")
                          << QStringLiteral("05/12/2026");
    QTest::newRow("Easter") << 1 << 2
                            << QStringLiteral(
                                   "Anno di cui calcolare il giorno di Pasqua:\r\r(esempio:  2010)")
                            << QStringLiteral("1999");
    QTest::newRow("holidays") << 2 << 2
                              << QStringLiteral("Anno di cui calcolare le festività:\r\r(esempio:  2010)")
                              << QStringLiteral("1999");
}

void TestTodayButtonWindow::cancelEndsThePressWithoutFocus()
{
    QFETCH(int, shift);
    QFETCH(int, button);
    QFETCH(QString, prompt);
    QFETCH(QString, defaultText);
    f->window.move(80, 60);
    QTRY_COMPARE(f->window.frameGeometry().topLeft(), QPoint(80, 60));

    f->window.Cmd_Oggi_MouseDown(static_cast<Integer>(button), static_cast<Integer>(shift));

    QCOMPARE(f->dialogs.prompts.size(), 1);
    QCOMPARE(f->dialogs.prompts[0].prompt, prompt);
    QCOMPARE(f->dialogs.prompts[0].defaultText, defaultText);
    QCOMPARE(f->dialogs.prompts[0].leftTwips, 1550);
    QCOMPARE(f->dialogs.prompts[0].topTwips, 1500);
    QVERIFY(f->dialogs.messages.isEmpty());
    QCOMPARE(f->selected(), QDate(1999, 3, 10));
    QVERIFY(info->hasFocus());
}

void TestTodayButtonWindow::yearAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QDate>("selected"); // invalid: unchanged
    QTest::addColumn<bool>("warned");
    QTest::addColumn<bool>("focusOnCalendar");
    QTest::newRow("letters end silently") << QStringLiteral("abc") << QDate() << false << false;
    QTest::newRow("blanks end silently") << QStringLiteral("   ") << QDate() << false << false;
    QTest::newRow("blanks around") << QStringLiteral(" 2010 ") << QDate(2010, 4, 4) << false << true;
    QTest::newRow("1899") << QStringLiteral("1899") << QDate() << true << true;
    QTest::newRow("2101") << QStringLiteral("2101") << QDate() << true << true;
    QTest::newRow("1900") << QStringLiteral("1900") << QDate(1900, 4, 15) << false << true;
    QTest::newRow("2100") << QStringLiteral("2100") << QDate(2100, 3, 28) << false << true;
    QTest::newRow("2100.4") << QStringLiteral("2100.4") << QDate() << true << true;
    QTest::newRow("1899.6") << QStringLiteral("1899.6") << QDate() << true << true;
    QTest::newRow("2010.5 is 2010") << QStringLiteral("2010.5") << QDate(2010, 4, 4) << false << true;
    QTest::newRow("2011.5 is 2012") << QStringLiteral("2011.5") << QDate(2012, 4, 8) << false << true;
}

void TestTodayButtonWindow::yearAnswers()
{
    QFETCH(QString, answer);
    QFETCH(QDate, selected);
    QFETCH(bool, warned);
    QFETCH(bool, focusOnCalendar);
    f->dialogs.answers = {answer};

    f->window.Cmd_Oggi_MouseDown(2, 1);

    QCOMPARE(f->selected(), selected.isValid() ? selected : QDate(1999, 3, 10));
    QCOMPARE(f->row(), expectedRow(f->selected()));
    QCOMPARE(f->dialogs.messages.size(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(f->dialogs.messages[0].prompt, QStringLiteral("Attenzione: l'anno inserito non è valido."));
        QCOMPARE(f->dialogs.messages[0].style, MessageStyle::Warning);
        QCOMPARE(f->dialogs.messages[0].title, QStringLiteral("Fastorio"));
    }
    QCOMPARE(this->focusOnCalendar(), focusOnCalendar);
}

void TestTodayButtonWindow::defaultYearFollowsTheCalendar()
{
    f->select(QDate(2100, 12, 31));
    f->dialogs.answers = {QString(), QStringLiteral("2010")};
    f->window.Cmd_Oggi_MouseDown(2, 1);
    f->window.Cmd_Oggi_MouseDown(2, 2);
    QCOMPARE(f->dialogs.prompts[0].defaultText, QStringLiteral("2100"));
    QCOMPARE(f->dialogs.prompts[1].defaultText, QStringLiteral("2100"));
    QCOMPARE(f->dialogs.messages.size(), 1);
    QVERIFY(f->dialogs.messages[0].prompt.startsWith(QStringLiteral("01 Gennaio (Capodanno): Venerdì\n")));
    QCOMPARE(f->selected(), QDate(2100, 12, 31)); // the list does not move the calendar
}

void TestTodayButtonWindow::typedDates_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QDate>("selected"); // invalid: warned, unchanged
    QTest::newRow("day first") << QStringLiteral("03/05/2001") << QDate(2001, 5, 3);
    QTest::newRow("blanks around") << QStringLiteral(" 29/02/2012 ") << QDate(2012, 2, 29);
    QTest::newRow("blanks only") << QStringLiteral("  ") << QDate();
    QTest::newRow("no 29 February") << QStringLiteral("29/02/1900") << QDate();
    QTest::newRow("not a date") << QStringLiteral("domani") << QDate();
}

void TestTodayButtonWindow::typedDates()
{
    QFETCH(QString, answer);
    QFETCH(QDate, selected);
    f->dialogs.answers = {answer};

    f->window.Cmd_Oggi_MouseDown(1, 1);

    QCOMPARE(f->selected(), selected.isValid() ? selected : QDate(1999, 3, 10));
    QCOMPARE(f->row(), expectedRow(f->selected()));
    QCOMPARE(f->dialogs.messages.size(), selected.isValid() ? 0 : 1);
    if (!selected.isValid())
        QCOMPARE(f->dialogs.messages[0].prompt, QStringLiteral("Attenzione: la data inserita non è valida."));
    QVERIFY(focusOnCalendar());
}

void TestTodayButtonWindow::movesCompleteAPendingCount_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    QTest::newRow("today") << 1 << 0 << QString()
                           << QStringLiteral("Tra il 10/03/1999 ed il 05/12/2026 ci sono 10132 giorni");
    QTest::newRow("typed date") << 1 << 1 << QStringLiteral("11/03/1999")
                                << QStringLiteral("Tra il 10/03/1999 ed il 11/03/1999 c'è 1 giorno");
    QTest::newRow("Easter") << 2 << 1 << QStringLiteral("1999")
                            << QStringLiteral("Tra il 10/03/1999 ed il 04/04/1999 ci sono 25 giorni");
}

void TestTodayButtonWindow::movesCompleteAPendingCount()
{
    QFETCH(int, button);
    QFETCH(int, shift);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    f->window.Cmd_Diff_MouseDown(1, 0);
    f->dialogs.answers = {answer};

    f->window.Cmd_Oggi_MouseDown(static_cast<Integer>(button), static_cast<Integer>(shift));

    QCOMPARE(f->dialogs.messages.size(), 1);
    QCOMPARE(f->dialogs.messages[0].prompt, message);
    QCOMPARE(f->dialogs.messages[0].title, QStringLiteral("Calcolo del numero di giorni tra due date"));
    QVERIFY(!f->window.formState().DiffPending);
}

QTEST_MAIN(TestTodayButtonWindow)
#include "tst_todaybuttonwindow.moc"
