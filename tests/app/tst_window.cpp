// The window driven as a user drives it: scenarios from window.cases (picks,
// keys, double-clicks, presses on "M" and "D" with their modifiers, menus,
// screen-reader actions, typed answers), checked for the day selected, the
// information row, every message, the armed count and the focus; then its
// look, and the calendar's holiday tooltips.
#include "app/namedactionsaccessible.h"
#include "calendardriver.h"
#include "casefile.h"
#include "dayinfo/spokenday.h"
#include "feasts/holidays.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextCharFormat>

namespace
{

// A press on a button with what the window system sends: "shift+ctrl+right" is
// the keys held, then the mouse button; the keys are read as a shortcut's, a key
// standing where the button is.
void press(QWidget *button, const QString &how)
{
    const QString name = how.section(u'+', -1);
    const auto keys = QKeySequence::fromString(how.chopped(name.size()) + u'A')[0].keyboardModifiers();
    const Qt::MouseButton pressed = name == QLatin1String("left") ? Qt::LeftButton
        : name == QLatin1String("right")                          ? Qt::RightButton
                                                                  : Qt::MiddleButton;
    QTest::mousePress(button, pressed, keys);
    // The window system follows a right press with a context menu event.
    if (pressed == Qt::RightButton) {
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, {}, button->mapToGlobal(QPoint()), keys);
        QApplication::sendEvent(button, &menuEvent);
    }
    QTest::mouseRelease(button, pressed, keys);
}

// A screen reader's actions of one control, all asked for before any runs.
void readerActions(WindowFixture &f, const QString &control, const QStringList &numbers)
{
    auto *actions = QAccessible::queryAccessibleInterface(f.control(control))->actionInterface();
    for (const QString &number : numbers)
        actions->doAction(actions->actionNames().value(number.toInt() - 1));
    QCoreApplication::processEvents();
}

// Runs one action of a scenario (window.cases tells them), as a user would
// where a user can; `during` collects the actions that wait for the next dialog.
void act(WindowFixture &f, const QString &action, QStringList &during)
{
    const QString verb = action.section(u':', 0, 0);
    const QString arg = action.section(u':', 1);
    if (verb.startsWith(QLatin1String("Cmd_"))) {
        press(f.control(verb), arg);
    } else if (verb == QLatin1String("keys")) {
        const QKeyCombination keys = QKeySequence::fromString(arg)[0];
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    } else if (verb == QLatin1String("entry")) {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu); // opened under its button, its first entry active
        QCOMPARE(menu->pos(), menu->parentWidget()->mapToGlobal(menu->parentWidget()->rect().bottomLeft()));
        for (int entry = arg.toInt(); entry > 1; --entry)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    } else if (verb == QLatin1String("reader")) {
        readerActions(f, arg.section(u':', 0, 0), arg.section(u':', 1).split(u':'));
    } else if (verb == QLatin1String("during")) {
        during << arg;
    } else if (verb == QLatin1String("focus")) {
        f.control(arg)->setFocus();
    } else if (verb == QLatin1String("dbl") || verb == QLatin1String("rdbl")) {
        QTest::mouseDClick(f.control(arg), verb == QLatin1String("dbl") ? Qt::LeftButton : Qt::RightButton);
    } else if (verb == QLatin1String("pick")) {
        QVERIFY(CalendarDriver(f.calendar).click(QDate::fromString(arg, Qt::ISODate)));
    } else if (verb == QLatin1String("miss")) { // the grid's corner, left of the weekday names, shows no day
        QTest::mouseClick(f.calendar->grid()->viewport(), Qt::LeftButton, {}, QPoint(1, 1));
    } else if (verb == QLatin1String("close")) {
        const qsizetype prompts = f.dialogs.prompts.size();
        QVERIFY(!f.window.close()); // refused as a close: the program ends instead, asking nothing
        QCOMPARE(f.programEnds, 1);
        QCOMPARE(f.dialogs.prompts.size(), prompts);
    } else if (verb == QLatin1String("next") || verb == QLatin1String("prev")) {
        QTest::mouseClick(f.control(QStringLiteral("qt_calendar_%1month").arg(verb)), Qt::LeftButton);
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown action ") + action));
    }
}

// Whatever a message says, the row behind it already shows the day selected.
// Actions "during" a dialog meet it as a modal window.
void meetDialogs(WindowFixture &f, QStringList &during)
{
    f.dialogs.whileDialogOpen = [&f, &during] {
        QCOMPARE(f.row(), expectedRow(f.selected()));
        {
            QDialog modal(&f.window);
            modal.open();
            QCoreApplication::processEvents(); // what the dialog's own loop runs: queued actions
            for (const QString &action : std::exchange(during, {}))
                act(f, action, during);
        }
        QVERIFY(activate(&f.window)); // as a window manager does once the dialog is gone
    };
}

// A warning or a count is written out in full, any other message by its title
// in brackets; only warnings, with the window's caption as title, have the
// warning style.
void compareMessages(const QList<RecordedMessage> &messages, const QStringList &expected)
{
    QStringList shown;
    for (const RecordedMessage &message : messages) {
        const bool warning = message.prompt.startsWith(QLatin1String("Attenzione: "));
        QCOMPARE(message.style == MessageStyle::Warning, warning);
        const QStringView fullTitle = warning ? u"Fastorio" : u"Calcolo del numero di giorni tra due date";
        shown << (message.title == fullTitle ? message.prompt : u'[' + message.title + u']');
    }
    QCOMPARE(shown, expected);
}

// " ; " between a field's items, a blank between actions; "-" for none.
QStringList listField(const QString &field, const QString &separator = QStringLiteral(" ; "))
{
    return field == QLatin1String("-") ? QStringList() : field.split(separator);
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
    void captionsAreReadWhenUsed();
    void pressedButtonComesBackUp();
    void layoutAndAccessibleNames();
    void holidayTooltips();
    void gridCellsSayTheirDays();
    void selectedDayIsFocusedAndHeadsItsRow();
};

void TestWindow::scenarios_data()
{
    addCaseRows<QDate, QDate, QString, int, QString, QDate, QString, bool, QString>(
        QFINDTESTDATA("window.cases"),
        {"today", "openedOn", "actions", "picks", "answers", "after", "messages", "armed", "focus"});
}

void TestWindow::scenarios()
{
    QFETCH(QDate, today);
    QFETCH(QDate, openedOn);
    QFETCH(QString, actions);
    QFETCH(int, picks);
    QFETCH(QString, answers);
    QFETCH(QDate, after);
    QFETCH(QString, messages);
    QFETCH(bool, armed);
    QFETCH(QString, focus);

    WindowFixture f(today, openedOn);
    QVERIFY(activate(&f.window));
    f.control(QStringLiteral("Cmd_Info"))->setFocus();
    f.dialogs.answers = listField(answers);
    QStringList during;
    meetDialogs(f, during);
    QSignalSpy clicks(f.calendar, &Calendar::click); // one a day picked by the user
    for (const QString &action : listField(actions, QStringLiteral(" "))) {
        act(f, action, during);
        if (QTest::currentTestFailed())
            return;
    }

    QVERIFY(!QApplication::activePopupWidget()); // no menu left open
    QCOMPARE(clicks.count(), picks);
    QCOMPARE(f.selected(), after);
    QCOMPARE(f.row(), expectedRow(after));
    compareMessages(f.dialogs.messages, listField(messages));
    // On the control named (or its focus proxy), or still on "?".
    QVERIFY(f.control(focus == QLatin1String("kept") ? QStringLiteral("Cmd_Info") : focus)->hasFocus());
    // An armed count shows only in what the next change of day does: a move
    // by 0 days completes it.
    f.dialogs.answers = {QStringLiteral("+0")};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    QCOMPARE(f.dialogs.messages.size() > listField(messages).size(), armed);
}

void TestWindow::prompts_data()
{
    addCaseRows<QString, QString, QString, QString>(
        QFINDTESTDATA("prompts.cases"), {"action", "prompt", "title", "defaultText"});
}

// At the far end of a desktop of two 1920-pixel monitors, past 16 bits of
// twips, a prompt opens 350 and 600 twips from the window's corner all the same.
void TestWindow::prompts()
{
    QFETCH(QString, action);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(QString, defaultText);
    WindowFixture f(QDate(2026, 12, 5), QDate(1999, 3, 10));
    f.window.show();
    f.window.move(3500, 2300);
    QVERIFY(QTest::qWaitFor([&] {
        return f.window.frameGeometry().topLeft() == QPoint(3500, 2300);
    }));
    QStringList during;
    act(f, action, during);
    QCOMPARE(f.dialogs.prompts.size(), 1);
    const RecordedPrompt &shown = f.dialogs.prompts[0];
    QCOMPARE(QStringList({shown.prompt, shown.title, shown.defaultText}),
        QStringList({prompt, title, defaultText}));
    QCOMPARE(QPoint(shown.leftTwips, shown.topTwips), QPoint(52850, 35100));
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

// A cancelled prompt leaves the focus on the button, so nothing else brings it
// back up once the prompt took the release.
void TestWindow::pressedButtonComesBackUp()
{
    WindowFixture f;
    auto *oggi = f.control<QPushButton>(QStringLiteral("Cmd_Oggi"));
    QLineEdit field; // the prompt's, where the release goes
    f.dialogs.whileDialogOpen = [&field] {
        QTest::mouseRelease(&field, Qt::LeftButton, Qt::ShiftModifier);
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
    QVERIFY(activate(&f.window));
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
    const QFont month = f.control(QStringLiteral("qt_calendar_monthbutton"))->font();
    const QFont year = f.control(QStringLiteral("qt_calendar_yearbutton"))->font();
    QCOMPARE(QList<qreal>({day.pointSizeF(), weekday.pointSizeF(), month.pointSizeF(), year.pointSizeF()}),
        QList<qreal>({8.25, 8.25, 12, 12}));
    QCOMPARE(QList<bool>({day.bold(), weekday.bold(), month.bold(), year.bold()}),
        QList<bool>({false, true, true, true}));
    QCOMPARE(QFontInfo(day).family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
    QCOMPARE(QAccessible::queryAccessibleInterface(&f.window)->role(), QAccessible::Window);
    // The header's first control lies right of "?", which covers the header's corner.
    QVERIFY(f.control(QStringLiteral("qt_calendar_prevmonth"))->mapTo(&f.window, QPoint()).x() >
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

// Every day a page shows, grey days included, has the names the holiday lists
// give it as its tooltip, and no other day has one: on the page shown at start,
// then on pages reached from it.
void TestWindow::holidayTooltips()
{
    Calendar calendar;
    const CalendarDriver driver(&calendar);
    for (const QDate day : {QDate(), QDate(2038, 4, 10), QDate(2027, 4, 10), QDate(2025, 10, 31),
             QDate(2026, 10, 1), QDate(1900, 1, 1), QDate(2100, 12, 31)}) {
        if (day.isValid())
            QVERIFY(calendar.setValue(day));
        const QDate shown(calendar.calendarWidget()->yearShown(), calendar.calendarWidget()->monthShown(), 1);
        for (QDate cell = shown.addDays(-14); cell < shown.addDays(45); cell = cell.addDays(1))
            if (const QModelIndex index = driver.cellOf(cell); index.isValid())
                QCOMPARE(
                    index.data(Qt::ToolTipRole).toString(), Feasts::holidayNames(cell, cell).value(cell));
    }
}

// A screen reader's cell says the whole date it shows and that day's names,
// grey days included: on every page of 1900-2100, each cell where the
// calendar's own model shows a day.
void TestWindow::gridCellsSayTheirDays()
{
    installControlsAccessibility();
    Calendar calendar;
    const CalendarDriver driver(&calendar);
    QAccessibleTableInterface *table =
        QAccessible::queryAccessibleInterface(calendar.grid())->tableInterface();
    for (QDate page(1900, 1, 1); page.year() <= 2100; page = page.addMonths(1)) {
        calendar.calendarWidget()->setCurrentPage(page.year(), page.month());
        for (QDate day = page.addDays(-14); day < page.addDays(45); day = day.addDays(1)) {
            if (const QModelIndex index = driver.cellOf(day); index.isValid()) {
                QAccessibleInterface *cell = table->cellAt(index.row(), index.column());
                QCOMPARE(cell->text(QAccessible::Name), DayInfo::spokenDate(day));
                QCOMPARE(cell->text(QAccessible::Description), DayInfo::spokenHolidays(day));
            }
        }
    }
}

// The selected day, and it alone, is focused for a screen reader; its row,
// and no other, is headed by its numbers.
void TestWindow::selectedDayIsFocusedAndHeadsItsRow()
{
    installControlsAccessibility();
    Calendar calendar;
    QVERIFY(calendar.setValue(QDate(2010, 6, 2)));
    const QModelIndex day = calendar.grid()->currentIndex();
    QAccessibleTableInterface *table =
        QAccessible::queryAccessibleInterface(calendar.grid())->tableInterface();
    QAccessibleInterface *cell = table->cellAt(day.row(), day.column());
    QCOMPARE(QList<bool>({bool(cell->state().focused),
                 bool(table->cellAt(day.row(), day.column() + 1)->state().focused)}),
        QList<bool>({true, false}));
    const QList<QAccessibleInterface *> headers = cell->tableCellInterface()->rowHeaderCells();
    QCOMPARE(headers.size(), 1);
    QCOMPARE(headers[0]->text(QAccessible::Name),
        QStringLiteral("trimestre 2, settimana 22, giorno dell'anno 153"));
    QVERIFY(table->cellAt(day.row() + 1, day.column())->tableCellInterface()->rowHeaderCells().isEmpty());
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
