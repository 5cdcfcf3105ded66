// The window driven as a user drives it: scenarios from window.cases (picks,
// keys, double-clicks, presses on "M" and "D" with their modifiers, menus,
// screen-reader actions, typed answers), checked for the day selected, the
// information row, every message, the armed count and the focus.
#include "calendardriver.h"
#include "casefile.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextCharFormat>
#include <QToolButton>

namespace
{

// "shift+ctrl+right": the keys held, then the mouse button.
std::pair<Qt::MouseButton, Qt::KeyboardModifiers> press(const QString &text)
{
    Qt::KeyboardModifiers keys;
    for (const QString &key : text.split(u'+'))
        keys |= key == QLatin1String("shift") ? Qt::ShiftModifier
            : key == QLatin1String("ctrl")    ? Qt::ControlModifier
            : key == QLatin1String("alt")     ? Qt::AltModifier
                                              : Qt::NoModifier;
    const QString button = text.section(u'+', -1);
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

// Runs one action of a scenario, as a user would where a user can; `during`
// collects the actions that wait for the next dialog.
void act(WindowFixture &f, const QString &action, QStringList &during)
{
    CalendarDriver calendar(f.calendar);
    const QString verb = action.section(u':', 0, 0);
    const QString arg = action.section(u':', 1);
    if (verb == QLatin1String("M") || verb == QLatin1String("D") || verb == QLatin1String("?")) {
        const auto [pressed, keys] = press(arg);
        QPushButton *target = button(f, verb);
        QTest::mousePress(target, pressed, keys);
        // The window system follows a right press with a context menu event.
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, target->rect().center(),
            target->mapToGlobal(target->rect().center()), keys);
        if (pressed == Qt::RightButton)
            QApplication::sendEvent(target, &menuEvent);
        QTest::mouseRelease(target, pressed, keys);
    } else if (verb == QLatin1String("press") || verb == QLatin1String("keys") ||
        verb == QLatin1String("key")) {
        // press:M:Shift+F10 on a focused button, keys:Alt+T where the focus is, key:Right on the grid
        QWidget *target = verb == QLatin1String("key") ? f.calendar->grid() : QApplication::focusWidget();
        if (verb == QLatin1String("press")) {
            target = button(f, arg.section(u':', 0, 0));
            target->setFocus();
        }
        const QKeyCombination keys = QKeySequence::fromString(arg.section(u':', -1))[0];
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
    } else if (verb == QLatin1String("entry")) {
        // entry:3, the third entry of the menu just opened, which opens under its button
        QMenu *menu = nullptr;
        QVERIFY(QTest::qWaitFor([&menu] {
            return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        }));
        const QWidget *owner = menu->parentWidget();
        QCOMPARE(menu->pos(), owner->mapToGlobal(owner->rect().bottomLeft()));
        for (int entry = arg.toInt(); entry > 0; --entry)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    } else if (verb == QLatin1String("reader")) {
        // reader:Cmd_Oggi:3, a screen reader runs the control's third action
        auto *actions =
            QAccessible::queryAccessibleInterface(f.control(arg.section(u':', 0, 0)))->actionInterface();
        actions->doAction(actions->actionNames().value(arg.section(u':', 1).toInt() - 1));
        QCoreApplication::processEvents();
    } else if (verb == QLatin1String("during")) {
        during << arg;
    } else if (verb == QLatin1String("focus")) {
        f.control(arg)->setFocus();
    } else if (verb == QLatin1String("dbl") || verb == QLatin1String("rdbl")) {
        QTest::mouseDClick(f.control(arg), verb == QLatin1String("dbl") ? Qt::LeftButton : Qt::RightButton);
    } else if (verb == QLatin1String("pick")) {
        QVERIFY(calendar.click(QDate::fromString(arg, Qt::ISODate)));
    } else if (verb == QLatin1String("miss")) {
        calendar.clickWeekdayNames();
    } else if (verb == QLatin1String("type")) {
        f.calendar->grid()->setFocus(); // a user types on the grid when it has the focus
        for (QChar digit : arg)
            QTest::keyClick(f.calendar->grid(), digit.toLatin1());
        QTest::keyClick(f.calendar->grid(), Qt::Key_Return);
    } else if (verb == QLatin1String("next") || verb == QLatin1String("prev")) {
        QTest::mouseClick(f.calendar->calendarWidget()->findChild<QToolButton *>(
                              QStringLiteral("qt_calendar_%1month").arg(verb)),
            Qt::LeftButton);
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
    addCaseRows<QDate, QDate, QString, QString, QDate, QString, bool, QString>(QFINDTESTDATA("window.cases"),
        {"today", "openedOn", "actions", "answers", "after", "messages", "armed", "focus"});
}

void TestWindow::scenarios()
{
    QFETCH(QDate, today);
    QFETCH(QDate, openedOn);
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
    QWidget *info = f.control(QStringLiteral("Cmd_Info"));
    info->setFocus();
    for (const QString &answer : listField(answers))
        f.dialogs.answers << (answer == QLatin1String("<cancel>") ? QString() : answer);
    // Whatever a message says, the row behind it already shows the day
    // selected. Actions "during" a dialog meet it as a modal window.
    QStringList during;
    f.dialogs.whileDialogOpen = [&] {
        QCOMPARE(f.row(), expectedRow(f.selected()));
        if (during.isEmpty())
            return;
        {
            QDialog modal(&f.window);
            modal.setModal(true);
            modal.show();
            for (const QString &action : std::exchange(during, {}))
                act(f, action, during);
        }
        f.window.activateWindow(); // as a window manager does once the dialog is gone
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
    };

    // Every pick by the user raises one Click; writes from code raise none.
    QSignalSpy clicks(f.calendar, &Calendar::click);
    int picks = 0;
    for (const QString &action : actions.split(u' ', Qt::SkipEmptyParts)) {
        if (action == QLatin1String("-"))
            break;
        picks += QStringList {QStringLiteral("pick"), QStringLiteral("key"), QStringLiteral("type")}.contains(
            action.section(u':', 0, 0));
        act(f, action, during);
        if (QTest::currentTestFailed())
            return;
    }

    QVERIFY(!QApplication::activePopupWidget()); // no menu left open
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
    // On the calendar, still on "?", or on the control named.
    if (focus == QLatin1String("cal"))
        QVERIFY(f.calendar->isAncestorOf(QApplication::focusWidget()));
    else
        QCOMPARE(QApplication::focusWidget(), focus == QLatin1String("kept") ? info : f.control(focus));
    // An armed count shows only in what the next change of day does: a move
    // by 0 days completes it.
    f.dialogs.answers = {QStringLiteral("+0")};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    QCOMPARE(f.dialogs.messages.size() > shown.size(), armed);
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
    WindowFixture f(QDate(2026, 12, 5), QDate(1999, 3, 10));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QStringList during;
    act(f, action, during);
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
    QTest::mousePress(f.control(QStringLiteral("Cmd_Oggi")), Qt::RightButton, Qt::ShiftModifier);
    QCOMPARE(f.dialogs.prompts[0].leftTwips, 52850);
    QCOMPARE(f.dialogs.prompts[0].topTwips, 35100);
}

void TestWindow::closeEndsTheProgram()
{
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QTest::mousePress(f.control(QStringLiteral("Cmd_Diff")), Qt::LeftButton);
    QVERIFY(!f.window.close()); // refused as a close: the program ends instead
    QCOMPARE(f.programEnds, 1);
    QVERIFY(f.dialogs.prompts.isEmpty() && f.dialogs.messages.isEmpty());
}

void TestWindow::captionsAreReadWhenUsed()
{
    WindowFixture f;
    f.control<QPushButton>(QStringLiteral("Cmd_Oggi"))->setText(QStringLiteral("Oggi"));
    f.control<QPushButton>(QStringLiteral("Cmd_Diff"))->setText(QStringLiteral("Diff"));
    QTest::mouseClick(f.control(QStringLiteral("Cmd_Info")), Qt::LeftButton);
    QTest::mousePress(f.control(QStringLiteral("Cmd_Diff")), Qt::RightButton);
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
    auto *oggi = f.control<QPushButton>(QStringLiteral("Cmd_Oggi"));
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
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QCOMPARE(f.window.size(), QSize(403, 255));
    const QCalendarWidget *grid = f.calendar->calendarWidget();
    QCOMPARE(grid->geometry(), f.calendar->rect()); // the month grid fills its place
    QCOMPARE(grid->firstDayOfWeek(), Qt::Monday);
    QCOMPARE(grid->locale().language(), QLocale::Italian);
    QVERIFY(!grid->weekdayTextFormat(Qt::Sunday).hasProperty(QTextFormat::ForegroundBrush)); // not red
    // Day numbers in Arial (or its metric twin) 8.25 points, weekday names the same in bold, the title in 12.
    const QAbstractItemModel *cells = f.calendar->grid()->model();
    const QFont day = cells->index(3, 3).data(Qt::FontRole).value<QFont>();
    const QFont weekday = cells->index(0, 3).data(Qt::FontRole).value<QFont>();
    const QFont title = grid->findChild<QWidget *>(QStringLiteral("qt_calendar_monthbutton"))->font();
    QCOMPARE(QList<qreal>({day.pointSizeF(), weekday.pointSizeF(), title.pointSizeF()}),
        QList<qreal>({8.25, 8.25, 12}));
    QCOMPARE(QList<bool>({day.bold(), weekday.bold(), title.bold()}), QList<bool>({false, true, true}));
    QCOMPARE(QFontInfo(day).family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
    QCOMPARE(QAccessible::queryAccessibleInterface(&f.window)->role(), QAccessible::Window);
    // The header's first control lies right of "?", which covers the header's corner.
    const QWidget *previousMonth = grid->findChild<QWidget *>(QStringLiteral("qt_calendar_prevmonth"));
    QVERIFY(previousMonth->mapTo(&f.window, QPoint()).x() >
        f.control(QStringLiteral("Cmd_Info"))->geometry().right());
    for (const QStringList &row : readCaseLines(QFINDTESTDATA("controls.cases"))) {
        QWidget *widget = f.control(row[0]);
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
