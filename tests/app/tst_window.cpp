// The window driven as a user drives it: scenarios from window.cases (picks,
// keys, double-clicks, presses on "M" and "D" with their modifiers, typed
// answers), checked for the day selected, the information row, every message,
// the armed count and the focus.
#include "calendardriver.h"
#include "casefile.h"
#include "windowfixture.h"

#include "platform/mouse.h"

#include <QAccessible>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextCharFormat>

namespace
{

// "shift+ctrl+right": the keys held, then the mouse button.
std::pair<Qt::MouseButton, Qt::KeyboardModifiers> press(const QString &text)
{
    Qt::KeyboardModifiers keys;
    const QStringList parts = text.split(u'+');
    for (const QString &key : parts.mid(0, parts.size() - 1))
        keys |= key == QLatin1String("shift") ? Qt::ShiftModifier
            : key == QLatin1String("ctrl")    ? Qt::ControlModifier
                                              : Qt::AltModifier;
    const QString button = parts.last();
    return {button == QLatin1String("left")    ? Qt::LeftButton
            : button == QLatin1String("right") ? Qt::RightButton
                                               : Qt::MiddleButton,
        keys};
}

QPushButton *button(WindowFixture &f, const QString &caption)
{
    const auto buttons = f.window.findChildren<QPushButton *>();
    return *std::find_if(buttons.begin(), buttons.end(), [&caption](auto *b) {
        return b->text() == caption;
    });
}

// Runs one action of a scenario, as a user would where a user can.
void act(WindowFixture &f, const QString &action)
{
    CalendarDriver calendar(f.window.calendar());
    const QString verb = action.section(u':', 0, 0);
    const QString arg = action.section(u':', 1);
    if (verb == QLatin1String("M") || verb == QLatin1String("D") || verb == QLatin1String("?")) {
        const auto [pressed, keys] = press(arg);
        QTest::mousePress(button(f, verb), pressed, keys);
        QTest::mouseRelease(button(f, verb), pressed, keys);
    } else if (verb == QLatin1String("press") || verb.startsWith(QLatin1String("menu"))) {
        // press:M:Space, a key on a focused button; menu:M:3, the third entry of its menu
        QPushButton *target = button(f, arg.section(u':', 0, 0));
        target->setFocus();
        if (verb == QLatin1String("press"))
            return QTest::keyClick(
                target, arg.endsWith(QLatin1String("Space")) ? Qt::Key_Space : Qt::Key_Return);
        if (verb == QLatin1String("menu"))
            QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
        else
            QTest::keyClick(target, Qt::Key_Menu);
        auto *menu = target->findChild<QMenu *>();
        QVERIFY(QTest::qWaitFor([menu] {
            return menu->isVisible();
        }));
        for (int entry = arg.section(u':', 1).toInt(); entry > 0; --entry)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    } else if (verb == QLatin1String("alt")) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(arg[0].unicode()), Qt::AltModifier);
    } else if (verb == QLatin1String("focus")) {
        f.window.findChild<QWidget *>(arg)->setFocus();
    } else if (verb == QLatin1String("dbl") || verb == QLatin1String("rdbl")) {
        QTest::mouseDClick(f.window.findChild<QLabel *>(arg),
            verb == QLatin1String("dbl") ? Qt::LeftButton : Qt::RightButton);
    } else if (verb == QLatin1String("pick")) {
        QVERIFY(calendar.click(QDate::fromString(arg, Qt::ISODate)));
    } else if (verb == QLatin1String("miss")) {
        calendar.clickWeekdayNames();
    } else if (verb == QLatin1String("key")) {
        calendar.key(arg == QLatin1String("Right") ? Qt::Key_Right : Qt::Key_Down);
    } else if (verb == QLatin1String("type")) {
        f.window.calendar()->grid()->setFocus(); // a user types on the grid when it has the focus
        for (QChar digit : arg)
            QTest::keyClick(f.window.calendar()->grid(), digit.toLatin1());
        QTest::keyClick(f.window.calendar()->grid(), Qt::Key_Return);
    } else if (verb == QLatin1String("next") || verb == QLatin1String("prev")) {
        calendar.header(verb == QLatin1String("next") ? "qt_calendar_nextmonth" : "qt_calendar_prevmonth");
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown action ") + action));
    }
}

QStringList listField(const QString &field)
{
    return field == QLatin1String("-") ? QStringList() : field.split(QStringLiteral(" ; "));
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scenarios_data();
    void scenarios();
    void prompts_data();
    void prompts();
    void promptsFollowTheWindow();
    void closeEndsTheProgram();
    void captionsAreReadWhenUsed();
    void pressedButtonComesBackUp();
    void layoutAndAccessibleNames();
};

void TestWindow::scenarios_data()
{
    addCaseRows<QDate, QDate, QDate, QString, QString, QDate, QString, bool, QString>(
        QFINDTESTDATA("window.cases"),
        {"today", "openedOn", "first", "actions", "answers", "after", "messages", "armed", "focus"});
}

void TestWindow::scenarios()
{
    QFETCH(QDate, today);
    QFETCH(QDate, openedOn);
    QFETCH(QDate, first);
    QFETCH(QString, actions);
    QFETCH(QString, answers);
    QFETCH(QDate, after);
    QFETCH(QString, messages);
    QFETCH(bool, armed);
    QFETCH(QString, focus);

    WindowFixture f(today, openedOn);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QCOMPARE(f.row(), expectedRow(openedOn.isValid() ? openedOn : today));
    if (first.isValid())
        f.select(first);
    auto *info = f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Info"));
    info->setFocus();
    for (const QString &answer : listField(answers))
        f.dialogs.answers << (answer == QLatin1String("<cancel>") ? QString() : answer);
    // Whatever a message says, the row behind it already shows the day selected.
    f.dialogs.whileDialogOpen = [&] {
        QCOMPARE(f.row(), expectedRow(f.selected()));
    };

    // Every pick by the user raises one Click; writes from code raise none.
    QSignalSpy clicks(f.window.calendar(), &Calendar::click);
    int picks = 0;
    for (const QString &action : actions.split(u' ', Qt::SkipEmptyParts)) {
        if (action == QLatin1String("-"))
            break;
        if (action.startsWith(QLatin1String("pick")) || action.startsWith(QLatin1String("key")) ||
            action.startsWith(QLatin1String("type")))
            ++picks;
        act(f, action);
        if (QTest::currentTestFailed())
            return;
    }

    QCOMPARE(clicks.count(), picks);
    QCOMPARE(f.selected(), after);
    QCOMPARE(f.row(), expectedRow(after));
    // A warning or a count is written out in full, any other message by its
    // title in brackets; only warnings, with the window's caption as title,
    // have the warning style.
    QStringList shown;
    for (const RecordedMessage &message : f.dialogs.messages) {
        const bool inFull = message.style == MessageStyle::Warning
            ? message.title == QLatin1String("Fastorio")
            : message.title == QLatin1String("Calcolo del numero di giorni tra due date");
        shown << (inFull ? message.prompt : u'[' + message.title + u']');
        QCOMPARE(
            message.style == MessageStyle::Warning, message.prompt.startsWith(QLatin1String("Attenzione: ")));
    }
    QCOMPARE(shown, listField(messages));
    QCOMPARE(f.window.formState().DiffPending, armed);
    // On the calendar, anywhere but there, or on the control named.
    if (focus == QLatin1String("cal") || focus == QLatin1String("kept"))
        QCOMPARE(
            f.window.calendar()->isAncestorOf(QApplication::focusWidget()), focus == QLatin1String("cal"));
    else
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestWindow::prompts_data()
{
    addCaseRows<QString, QString, QString, QString>(
        QFINDTESTDATA("prompts.cases"), {"action", "prompt", "title", "defaultText"});
}

void TestWindow::prompts()
{
    QFETCH(QString, action);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(QString, defaultText);
    WindowFixture f(QDate(2026, 12, 5));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.select(QDate(1999, 3, 10));
    act(f, action);
    QCOMPARE(f.dialogs.prompts.size(), 1);
    QCOMPARE(f.dialogs.prompts[0].prompt, prompt);
    QCOMPARE(f.dialogs.prompts[0].title, title);
    QCOMPARE(f.dialogs.prompts[0].defaultText, defaultText);
}

void TestWindow::promptsFollowTheWindow()
{
    WindowFixture f;
    f.window.show();
    // The far end of a desktop of two 1920-pixel monitors, past 16 bits of
    // twips: 350 and 600 twips from the window's corner all the same.
    f.window.move(3500, 2300);
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QVERIFY(QTest::qWaitFor([&f] {
        return f.window.frameGeometry().topLeft() == QPoint(3500, 2300);
    }));
    f.window.Cmd_Oggi_MouseDown(Mouse::RightButton, Mouse::ShiftKey);
    QCOMPARE(f.dialogs.prompts[0].leftTwips, 52850);
    QCOMPARE(f.dialogs.prompts[0].topTwips, 35100);
}

void TestWindow::closeEndsTheProgram()
{
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.Cmd_Diff_MouseDown(Mouse::LeftButton, Mouse::NoKeys);
    QVERIFY(!f.window.close()); // refused as a close: the program ends instead
    QCOMPARE(f.programEnds, 1);
    QVERIFY(f.dialogs.prompts.isEmpty() && f.dialogs.messages.isEmpty());
}

void TestWindow::captionsAreReadWhenUsed()
{
    WindowFixture f;
    f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Oggi"))->setText(QStringLiteral("Oggi"));
    f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Diff"))->setText(QStringLiteral("Diff"));
    f.window.Cmd_Info_Click();
    f.window.Cmd_Diff_MouseDown(Mouse::RightButton, Mouse::NoKeys);
    QVERIFY(f.dialogs.messages[0].prompt.contains(QStringLiteral("i tasti Oggi e Diff sarà possibile\r")));
    QCOMPARE(f.dialogs.messages[1].title, QStringLiteral("Funzioni del tasto Diff"));
}

namespace
{
// Keeps every mouse release from its widget, as a modal dialog does with the
// release of the press that opened it.
struct ReleaseTakenByADialog : QObject {
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::MouseButtonRelease;
    }
};
} // namespace

// A cancelled prompt leaves the focus on the button, so nothing else brings it
// back up once the prompt took the release.
void TestWindow::pressedButtonComesBackUp()
{
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    auto *oggi = f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Oggi"));
    ReleaseTakenByADialog dialog;
    f.dialogs.whileDialogOpen = [&] {
        qApp->installEventFilter(&dialog);
        QTest::mouseRelease(oggi, Qt::LeftButton, Qt::ShiftModifier);
        qApp->removeEventFilter(&dialog);
    };
    QTest::mousePress(oggi, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(f.dialogs.prompts.size(), 1);
    QVERIFY(!oggi->isDown());
}

// The calendar's look; controls on the twips grid (15 to a pixel) with Italian
// accessible names and descriptions, a value box's name being its number.
void TestWindow::layoutAndAccessibleNames()
{
    WindowFixture f(QDate(2010, 5, 31));
    QCOMPARE(f.window.size(), QSize(403, 255));
    const QCalendarWidget *grid = f.window.calendar()->calendarWidget();
    QCOMPARE(grid->firstDayOfWeek(), Qt::Monday);
    QCOMPARE(grid->locale().language(), QLocale::Italian);
    QVERIFY(!grid->weekdayTextFormat(Qt::Sunday).hasProperty(QTextFormat::ForegroundBrush)); // not red
    QCOMPARE(f.window.calendar()->grid()->palette().color(QPalette::Text), QColor(0, 0, 160));
    QCOMPARE(QAccessible::queryAccessibleInterface(&f.window)->role(), QAccessible::Window);
    for (const QStringList &row : readCaseLines(QFINDTESTDATA("controls.cases"))) {
        auto *widget = f.window.findChild<QWidget *>(row[0]);
        QVERIFY2(widget, qPrintable(row[0]));
        const QStringList twips = row[1].split(u' ');
        const QRect expected(qRound(twips[0].toInt() / 15.0), qRound(twips[1].toInt() / 15.0),
            qRound(twips[2].toInt() / 15.0), qRound(twips[3].toInt() / 15.0));
        QCOMPARE(widget->geometry(), expected);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(node->text(QAccessible::Name), row[2]);
        QCOMPARE(node->text(QAccessible::Description), row[3]);
        QCOMPARE(widget->toolTip(), row[4] == QLatin1String("-") ? QString() : row[4]);
    }
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
