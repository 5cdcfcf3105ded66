// How the program looks on a real display with openbox. In a light and a dark
// scheme, and after a switch between them at run time, every text reads at
// 4.5:1 at least against its background, as asked for and as painted, and a
// light scheme keeps the program's own colours. The captions fit their boxes
// whatever faces are installed. Prompts are wide enough for their titles,
// messages keep their lines whole, and Qt's own texts are Italian.
#include "app/qtcatalog.h"
#include "app/qtdialogservice.h"
#include "help/about.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>

#include <cmath>

namespace
{

// WCAG 2: the relative luminance of linear sRGB.
double luminance(const QColor &c)
{
    double sum = 0;
    for (const auto &[channel, weight] :
        {std::pair {c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}})
        sum += weight * (channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4));
    return sum;
}

double ratio(const QColor &a, const QColor &b)
{
    return (std::max(luminance(a), luminance(b)) + 0.05) / (std::min(luminance(a), luminance(b)) + 0.05);
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsRead_data();
    void textsRead();
    void captionsFit();
    void promptTitlesAreWhole_data();
    void promptTitlesAreWhole();
    void messageLinesStayWhole();
    void promptMenuIsItalian();

private:
    // Runs `act` on the widget `shown` returns, once it is visible.
    void whenShown(QWidget *(*shown)(), const std::function<void(QWidget *)> &act);

    QtCatalog m_qtItalian;
    QtDialogService m_dialogs;
};

void TestLook::whenShown(QWidget *(*shown)(), const std::function<void(QWidget *)> &act)
{
    QTimer::singleShot(20, this, [=, this] {
        QWidget *widget = shown();
        widget && widget->isVisible() ? act(widget) : whenShown(shown, act);
    });
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
    const QColor blue(0, 0, 160), face = light.color(QPalette::Button);
    const auto grid = QStringLiteral("qt_calendar_calendarview");
    const std::tuple<const char *, QString, QPoint, QList<QColor>> roles[] = {
        {"day numbers", grid, {3, 3}, {blue, face}}, {"weekday names", grid, {0, 3}, {Qt::black, face}},
        {"week numbers", grid, {3, 0}, {Qt::black, face}},
        {"title", QStringLiteral("qt_calendar_yearbutton"), {}, {blue, face}},
        {"value boxes", QStringLiteral("Lab_Week_2"), {}, {Qt::black, Qt::white}}};
    for (const auto &[role, widget, cell, own] : roles) {
        QTest::addRow("light, %s", role) << light << light << widget << cell << own;
        QTest::addRow("dark, %s", role) << dark << dark << widget << cell << QList<QColor>();
        QTest::addRow("light to dark, %s", role) << light << dark << widget << cell << QList<QColor>();
        QTest::addRow("dark to light, %s", role) << dark << light << widget << cell << own;
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
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QApplication::setPalette(shown); // reaches the window with the next events
    QTRY_COMPARE(f.window.palette().color(QPalette::Button), shown.color(QPalette::Button));
    const QImage window = f.window.grab().toImage();

    // As asked for: a cell's own colours, or a widget's text colour (the header's buttons
    // take theirs when painted) on the background of the widget that fills it.
    const QWidget *painter = f.window.findChild<QWidget *>(widget);
    const QWidget *filled = painter;
    while (!filled->autoFillBackground())
        filled = filled->parentWidget();
    QList<QColor> asked {painter->palette().color(painter->foregroundRole()),
        filled->palette().color(filled->backgroundRole())};
    QRect area(painter->mapTo(&f.window, QPoint()), painter->size());
    if (auto *grid = qobject_cast<const QAbstractItemView *>(painter)) {
        const QModelIndex index = grid->model()->index(cell.x(), cell.y());
        asked = {
            index.data(Qt::ForegroundRole).value<QColor>(), index.data(Qt::BackgroundRole).value<QColor>()};
        area = grid->visualRect(index).translated(grid->viewport()->mapTo(&f.window, QPoint()));
    }
    QVERIFY2(ratio(asked[0], asked[1]) >= 4.5, qPrintable(asked[0].name()));
    if (!own.isEmpty())
        QCOMPARE(asked, own);

    // As painted: the background at the area's corner, the text the colour that stands out most.
    const QImage image = window.copy(area.adjusted(2, 2, -2, -2));
    QCOMPARE(image.pixelColor(0, 0), asked[1]);
    double best = 1;
    for (int pixel = 0; pixel < image.width() * image.height(); ++pixel)
        best =
            std::max(best, ratio(image.pixelColor(pixel % image.width(), pixel / image.width()), asked[1]));
    QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
}

// Laid out for the narrow face; a second run hides it from fontconfig.
void TestLook::captionsFit()
{
    if (qEnvironmentVariable("FONTCONFIG_FILE").endsWith(QLatin1String("no-narrow-face.conf")))
        QVERIFY(!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans Narrow")));
    WindowFixture f;
    for (int index = 0; index < 3; ++index) {
        auto *caption = f.window.findChild<QLabel *>(QStringLiteral("Lab_Week1_%1").arg(index));
        QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->contentsRect().width(),
            qPrintable(caption->text()));
    }
}

// openbox shows a title whole in a window at least 120 pixels wider than the
// title in its title bar's font, DejaVu Sans 8 pt bold.
void TestLook::promptTitlesAreWhole_data()
{
    QTest::addColumn<QString>("title");
    for (const char *title : {"Calcolo del primo giorno del trimestre",
             "Calcolo del primo giorno della settimana", "Calcolo del numero del giorno dell'anno",
             "Ricerca di una data", "Calcolo della pasqua", "Calcolo delle festività"})
        QTest::newRow(title) << QString::fromUtf8(title);
}

void TestLook::promptTitlesAreWhole()
{
    QFETCH(QString, title);
    int width = 0;
    whenShown(&QApplication::activeModalWidget, [&width](QWidget *prompt) {
        width = prompt->width();
        static_cast<QDialog *>(prompt)->reject();
    });
    m_dialogs.inputBox(QStringLiteral("Anno:"), title, QString(), 1500, 1500);
    const QFont titleBar(QStringLiteral("DejaVu Sans"), 8, QFont::Bold);
    QCOMPARE_GE(width, QFontMetrics(titleBar).horizontalAdvance(title) + 120);
}

// QMessageBox itself wraps any text wider than 500 pixels.
void TestLook::messageLinesStayWhole()
{
    for (const QString &text :
        {QStringLiteral("Attenzione: il numero della settimana deve essere compreso tra 1 e 53"),
            Help::aboutText(Help::programVersionInfo(), QStringLiteral("M"), QStringLiteral("D"))}) {
        int lines = 0;
        whenShown(&QApplication::activeModalWidget, [&lines](QWidget *box) {
            const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            lines =
                qRound(label->heightForWidth(label->width()) / double(label->fontMetrics().lineSpacing()));
            static_cast<QDialog *>(box)->accept();
        });
        m_dialogs.msgBox(text, MessageStyle::Warning, QStringLiteral("Fastorio"));
        QCOMPARE(lines, QtDialogService::displayText(text).count(u'\n') + 1);
    }
}

// Menus are not in the accessible tree: the field's context menu is read as
// the popup it is.
void TestLook::promptMenuIsItalian()
{
    QStringList items;
    whenShown(&QApplication::activeModalWidget, [&](QWidget *prompt) {
        whenShown(&QApplication::activePopupWidget, [&items, prompt](QWidget *menu) {
            for (const QAction *action : menu->actions())
                items << action->text().section(u'\t', 0, 0).remove(u'&');
            menu->close();
            static_cast<QDialog *>(prompt)->reject();
        });
        auto *field = prompt->findChild<QLineEdit *>();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), field->mapToGlobal(QPoint()));
        QApplication::sendEvent(field, &event);
    });
    m_dialogs.inputBox(
        QStringLiteral("Anno:"), QStringLiteral("Calcolo della pasqua"), QString(), 1500, 1500);
    QCOMPARE(
        items.join(u','), QStringLiteral("Annulla,Rifai,,Taglia,Copia,Incolla,Elimina,,Seleziona tutto"));
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
