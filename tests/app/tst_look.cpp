// The program on a real display with openbox: every text at 4.5:1 or more in
// a light and a dark scheme and after a switch at run time, as asked for and
// as painted; a light scheme's own colours; the grid's lines; captions that
// fit; a grid that shows a change of focus as a whole repaint draws it; the
// focused day's names by Ctrl+F1; the real dialogs as a user sees and answers
// them, their titles and lines whole; Qt's own texts in Italian; the print
// dialog of Ctrl+P.
#include "app/look.h"
#include "app/qtcatalog.h"
#include "app/qtdialogservice.h"
#include "casefile.h"
#include "help/about.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

// Runs `act` on the widget `shown` returns, once it has the keyboard.
static void whenShown(QWidget *(*shown)(), const std::function<void(QWidget *)> &act)
{
    QTimer::singleShot(20, qApp, [=] {
        QWidget *widget = shown();
        widget && widget->isActiveWindow() ? act(widget) : whenShown(shown, act);
    });
}

// The strongest contrast of any pixel of `image` to `background`.
static double strongestContrast(const QImage &image, const QColor &background)
{
    double best = 1;
    for (int pixel = 0; pixel < image.width() * image.height(); ++pixel)
        best = std::max(
            best, Look::contrast(image.pixelColor(pixel % image.width(), pixel / image.width()), background));
    return best;
}

// The year's editor shows its selected year on the scheme's highlight.
static double yearSelectionContrast(const WindowFixture &f)
{
    const QPalette palette = f.control(QStringLiteral("qt_calendar_yearedit"))->palette();
    return Look::contrast(palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight));
}

class TestLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contrastMatchesWcagReferences();
    void textsRead_data();
    void textsRead();
    void captionsFit();
    void captionsShrinkByQuarterPoints();
    void gridShowsFocusAsRepaintedWhole();
    void ctrlF1ShowsFocusedDaysNames();
    void promptsShowTextsWhole_data();
    void promptsShowTextsWhole();
    void messagesShowLinesWhole();
    void promptMenuIsItalian();
    void printDialogOpensInItalian_data();
    void printDialogOpensInItalian();

private:
    QtCatalog m_qtItalian;
    QtDialogService m_dialogs;
};

// Reference values: the extremes, and the grey that just misses 4.5:1 on white.
void TestLook::contrastMatchesWcagReferences()
{
    QCOMPARE(Look::contrast(Qt::black, Qt::white), 21.0);
    QCOMPARE(qRound(Look::contrast(QColor(0x77, 0x77, 0x77), Qt::white) * 100), 448);
}

void TestLook::textsRead_data()
{
    QTest::addColumn<QPalette>("built"); // the scheme the window is built in
    QTest::addColumn<QPalette>("shown"); // the scheme it is shown in
    QTest::addColumn<QString>("widget"); // what paints the text
    QTest::addColumn<QPoint>("cell"); // in the grid: row and column
    QTest::addColumn<QList<QColor>>("own"); // in a light scheme, the program's own text and background
    const QPalette light = QApplication::style()->standardPalette();
    const QPalette dark(QColor(49, 54, 59)); // Breeze Dark's button face, the rest derived by Qt
    QPalette grey(QColor(0x90, 0x90, 0x90)); // dark blue on it reaches only 4.4:1
    grey.setColor(QPalette::Base, QColor(0xe0, 0xe0, 0xe0)); // its fields are not white, the value boxes are
    QPalette pale = light; // its grey text misses 4.5:1 on white and on its fields
    pale.setColor(QPalette::WindowText, QColor(0x77, 0x77, 0x77));
    pale.setColor(QPalette::Base, QColor(0xee, 0xee, 0xee));
    const QColor blue(0, 0, 160), face = light.color(QPalette::Button);
    const auto grid = QStringLiteral("qt_calendar_calendarview");
    const std::tuple<const char *, QString, QPoint, QList<QColor>> roles[] = {
        {"day numbers", grid, {3, 3}, {blue, face}}, {"weekday names", grid, {0, 3}, {Qt::black, face}},
        {"week numbers", grid, {3, 0}, {Qt::black, face}},
        {"title", QStringLiteral("qt_calendar_yearbutton"), {}, {blue, face}},
        {"value boxes", QStringLiteral("Lab_Week_2"), {}, {Qt::black, Qt::white}}};
    for (const auto &[role, widget, cell, own] : roles) {
        QTest::addRow("light, %s", role) << light << light << widget << cell << own;
        const bool valueBox = widget.startsWith(QLatin1String("Lab_Week")); // white on grey too
        // A dark scheme's value boxes take its fields' colour (the text is made readable on it).
        const QList<QColor> darkOwn =
            valueBox ? QList<QColor> {QColor(), dark.color(QPalette::Base)} : QList<QColor>();
        QTest::addRow("dark, %s", role) << dark << dark << widget << cell << darkOwn;
        QTest::addRow("light to dark, %s", role) << light << dark << widget << cell << QList<QColor>();
        QTest::addRow("dark to light, %s", role) << dark << light << widget << cell << own;
        QTest::addRow("grey, %s", role)
            << grey << grey << widget << cell << (valueBox ? own : QList<QColor>());
        QTest::addRow("pale text, %s", role) << pale << pale << widget << cell << QList<QColor>();
    }
}

void TestLook::textsRead()
{
    QFETCH(QPalette, built);
    QFETCH(QPalette, shown);
    QFETCH(QString, widget);
    QFETCH(QPoint, cell);
    QFETCH(QList<QColor>, own);
    QApplication::setPalette(built);
    WindowFixture f(QDate(2010, 5, 31));
    QVERIFY(activate(&f.window));
    QApplication::setPalette(shown); // reaches the window with the next events
    QVERIFY(QTest::qWaitFor([&] {
        return f.window.palette().color(QPalette::Button) == shown.color(QPalette::Button);
    }));
    // As asked for: a cell's own colours, or a widget's text colour (the header's buttons
    // take theirs when painted) on the background of the widget that fills it: itself, or
    // the first parent that fills its own.
    const QImage window = f.window.grab().toImage();
    const QWidget *painter = f.control(widget);
    const QWidget *filled = painter;
    while (!filled->autoFillBackground())
        filled = filled->parentWidget();
    QList<QColor> asked {painter->palette().color(painter->foregroundRole()),
        filled->palette().color(filled->backgroundRole())};
    QRect area(painter->mapTo(&f.window, QPoint()), painter->size());
    if (auto *grid = qobject_cast<const QAbstractItemView *>(painter)) {
        const QModelIndex item = grid->model()->index(cell.x(), cell.y());
        asked = {
            item.data(Qt::ForegroundRole).value<QColor>(), item.data(Qt::BackgroundRole).value<QColor>()};
        area = grid->visualRect(item).translated(grid->viewport()->mapTo(&f.window, QPoint()));
        // Its line on the cell's right: the scheme's button shadow, whatever the style's own.
        QCOMPARE(window.pixel(area.right() + 1, area.center().y()), shown.color(QPalette::Dark).rgb());
    }
    QVERIFY2(Look::contrast(asked[0], asked[1]) >= 4.5, qPrintable(asked[0].name()));
    if (!own.isEmpty()) // an invalid text colour: any that reads
        QCOMPARE(QList<QColor>({own[0].isValid() ? asked[0] : QColor(), asked[1]}), own);
    QVERIFY(yearSelectionContrast(f) >= 4.5);
    // As painted: the background at the area's corner, the text the colour that stands out most.
    const QImage image = window.copy(area.adjusted(2, 2, -2, -2));
    QCOMPARE(image.pixelColor(0, 0), asked[1]);
    QVERIFY(strongestContrast(image, asked[1]) >= 4.5);
}

// Laid out for the narrow face; a second run hides it from fontconfig.
void TestLook::captionsFit()
{
    if (qEnvironmentVariable("FONTCONFIG_FILE").endsWith(QLatin1String("no-narrow-face.conf")))
        QVERIFY(!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans Narrow")));
    WindowFixture f;
    for (const QLabel *caption :
        f.window.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Lab_Week1_"))))
        QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->contentsRect().width(),
            qPrintable(caption->text()));
}

// Captions that do not fit shrink by a quarter point at a time: a quarter point
// more would not fit.
void TestLook::captionsShrinkByQuarterPoints()
{
    for (const double room : {0.8, 0.7, 0.6}) {
        QLabel caption(QStringLiteral("Giorno dell'anno:"));
        caption.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        caption.resize(int(caption.fontMetrics().horizontalAdvance(caption.text()) * room), 20);
        Look::fitTexts({&caption});
        QFont bigger = caption.font();
        bigger.setPointSizeF(bigger.pointSizeF() + 0.25);
        QVERIFY(caption.fontMetrics().horizontalAdvance(caption.text()) <= caption.contentsRect().width());
        QVERIFY2(QFontMetrics(bigger).horizontalAdvance(caption.text()) > caption.contentsRect().width(),
            qPrintable(QString::number(room)));
    }
}

// The grid repaints only the current day when its focus, or the window's
// activation, changes: what is on screen then must be what a whole repaint
// draws, in a scheme alike in an active and an inactive window; and the day
// numbers keep their colour in an inactive one.
void TestLook::gridShowsFocusAsRepaintedWhole()
{
    QPalette alike = QApplication::style()->standardPalette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = QPalette::ColorRole(role);
        alike.setBrush(QPalette::Inactive, colorRole, alike.brush(QPalette::Active, colorRole));
    }
    QApplication::setPalette(alike);
    WindowFixture f;
    QWidget other;
    other.setGeometry(700, 0, 100, 100);
    const auto onScreen = [&f] {
        QCoreApplication::processEvents();
        return f.window.screen()->grabWindow(f.window.winId()).toImage();
    };
    QVERIFY(activate(&f.window) && f.calendar->grid()->hasFocus());
    // What changes: the control given the focus, or the window activated.
    const std::tuple<const char *, QWidget *, QWidget *> changes[] = {
        {"the grid loses the focus", f.control(QStringLiteral("Cmd_Info")), nullptr},
        {"the grid takes it back", f.calendar, nullptr}, {"another window is activated", nullptr, &other},
        {"the window is activated again", nullptr, &f.window}};
    for (const auto &[change, focused, activated] : changes) {
        const QImage before = onScreen();
        if (focused)
            focused->setFocus();
        QVERIFY2(focused ? focused->hasFocus() : activate(activated), change);
        if (activated == &other) // day numbers stay dark blue in an inactive window
            QCOMPARE(f.calendar->grid()->model()->index(3, 3).data(Qt::ForegroundRole), QColor(0, 0, 160));
        const QImage shown = onScreen();
        QVERIFY2(shown != before, change); // the change shows
        f.window.repaint();
        QVERIFY2(onScreen() == shown, change);
    }
}

// The tooltip a mouse resting on the focused day would open, within a cell
// of it; none on a day without names.
void TestLook::ctrlF1ShowsFocusedDaysNames()
{
    const std::pair<QDate, QString> days[] = {
        {QDate(2038, 4, 25), QStringLiteral("Pasqua di nostro Signore\nAnniversario della liberazione")},
        {QDate(2010, 4, 26), QString()}};
    for (const auto &[day, names] : days) {
        WindowFixture f(QDate(2010, 3, 1), day);
        QVERIFY(activate(&f.window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(QToolTip::text(), names);
        const QWidget *tip = f.window.findChild<QLabel *>(QStringLiteral("qtooltip_label"));
        QCOMPARE(tip && tip->isVisible(), !names.isEmpty());
        if (names.isEmpty())
            continue;
        const QAbstractItemView *grid = f.calendar->grid();
        QRect cell = grid->visualRect(grid->currentIndex());
        cell.moveTopLeft(grid->viewport()->mapToGlobal(cell.topLeft()));
        const QRect around = cell.adjusted(-cell.width(), -cell.height(), cell.width(), cell.height());
        QVERIFY(around.contains(tip->geometry().topLeft()));
    }
}

// openbox shows a title whole in a window at least 120 pixels wider than the
// title in its title bar's font, DejaVu Sans 8 pt bold. What a user sees of a
// real prompt (title, lines, default, where it opens) and a screen reader hears
// of its field; a typed answer comes back on OK only.
void TestLook::promptsShowTextsWhole_data()
{
    addCaseRows<QString, QString, QString, QString>(
        QFINDTESTDATA("prompts.cases"), {"action", "prompt", "title", "defaultText"});
}

void TestLook::promptsShowTextsWhole()
{
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(QString, defaultText);
    int width = 0;
    QStringList seen;
    // Prompts with a default text are cancelled, the others answered, after a typed 7.
    whenShown(&QApplication::activeModalWidget, [&](QWidget *dialog) {
        width = dialog->width();
        auto *field = dialog->findChild<QLineEdit *>();
        seen << dialog->windowTitle() << QStringLiteral("%1,%2").arg(dialog->x()).arg(dialog->y())
             << dialog->findChild<QLabel *>()->text() << field->accessibleName() << field->text();
        QTest::keyClicks(field, QStringLiteral("7"));
        for (auto *button : dialog->findChildren<QPushButton *>())
            if (button->text() == (defaultText.isEmpty() ? QLatin1String("OK") : QLatin1String("Annulla")))
                QTest::mouseClick(button, Qt::LeftButton);
    });
    QCOMPARE(m_dialogs.inputBox(prompt, title, defaultText, 1500, 2400), // x and y apart, so a swap shows
        defaultText.isEmpty() ? QStringLiteral("7") : QString());
    const QString text = QString(prompt).replace(u'\r', u'\n');
    QCOMPARE(
        seen, QStringList({title, QStringLiteral("100,160"), text, text.section(u'\n', 0, 0), defaultText}));
    QCOMPARE_GE(width,
        QFontMetrics(QFont(QStringLiteral("DejaVu Sans"), 8, QFont::Bold)).horizontalAdvance(title) + 120);
    // Any desktop: the title in its title font, and about 100 pixels of icon and buttons.
    QCOMPARE_GE(width,
        QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(title) + 100);
}

// QMessageBox on its own wraps any text wider than 500 pixels: a message's
// lines stay whole, under the window's caption; a warning has its icon.
void TestLook::messagesShowLinesWhole()
{
    for (const QString &text :
        {QStringLiteral("Attenzione: il numero della settimana deve essere compreso tra 1 e 53"),
            Help::aboutText(Help::programVersionInfo(), QStringLiteral("M"), QStringLiteral("D"))}) {
        int lines = 0;
        QStringList seen;
        whenShown(&QApplication::activeModalWidget, [&](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            const QLabel *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            lines =
                qRound(label->heightForWidth(label->width()) / double(label->fontMetrics().lineSpacing()));
            seen << box->windowTitle() << QString::number(box->icon());
            box->done(0);
        });
        m_dialogs.msgBox(text, MessageStyle::Warning, QStringLiteral("Fastorio"));
        QCOMPARE(lines, QtDialogService::displayText(text).count(u'\n') + 1);
        QCOMPARE(seen, QStringList({QStringLiteral("Fastorio"), QString::number(QMessageBox::Warning)}));
    }
}

// The menu of a prompt's field, as Qt makes it.
void TestLook::promptMenuIsItalian()
{
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions())
        items << action->text().section(u'\t', 0, 0).remove(u'&');
    QCOMPARE(
        items.join(u','), QStringLiteral("Annulla,Rifai,,Taglia,Copia,Incolla,Elimina,,Seleziona tutto"));
}

void TestLook::printDialogOpensInItalian_data()
{
    QTest::addColumn<int>("entry"); // of M's menu; 0: Ctrl+P; negative: a screen reader's action
    QTest::addRow("Ctrl+P") << 0;
    QTest::addRow("M's menu, its fifth entry") << 5;
    QTest::addRow("a screen reader's fifth action of M") << -5;
}

// Qt's print dialog, in Italian, for the year of the page shown; Escape
// closes it and nothing else opens.
void TestLook::printDialogOpensInItalian()
{
    QFETCH(int, entry);
    WindowFixture f(QDate(2010, 3, 1), QDate(2027, 6, 2));
    QVERIFY(activate(&f.window));
    QWidget *button = f.control(QStringLiteral("Cmd_Oggi"));
    QStringList seen;
    whenShown(&QApplication::activeModalWidget, [&](QWidget *dialog) {
        seen << dialog->windowTitle() + u' ' + qobject_cast<QPrintDialog *>(dialog)->printer()->docName();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    if (entry < 0) {
        QAccessibleActionInterface *actions =
            QAccessible::queryAccessibleInterface(button)->actionInterface();
        actions->doAction(actions->actionNames().value(-entry - 1));
    } else if (entry > 0) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_F10, Qt::ShiftModifier);
        for (int down = 0; down < entry - 1; ++down)
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    } else {
        QTest::keyClick(f.calendar->grid(), Qt::Key_P, Qt::ControlModifier);
    }
    QVERIFY(QTest::qWaitFor([&] {
        return !seen.isEmpty();
    }));
    QCOMPARE(seen, QStringList(QStringLiteral("Stampa Calendario 2027")));
    QVERIFY(!QApplication::activeModalWidget() && f.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
