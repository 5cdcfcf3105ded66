#include "calendar.h"

#include "app/gridlinestyle.h"
#include "app/look.h"
#include "dayinfo/spokenday.h"
#include "feasts/holidays.h"
#include "platform/dates.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QTextCharFormat>
#include <QToolButton>
#include <QToolTip>

namespace
{

// What the adapter knows of QCalendarWidget's insides (the same on Qt 6.4 and
// 6.8): the object names of its children, and the grid's signal that selects a
// day the way a pick does. Nothing else of the program relies on them.
namespace QtParts
{
const auto Grid = QLatin1String("qt_calendar_calendarview");
const auto NavigationBar = QLatin1String("qt_calendar_navigationbar");
const auto MonthButton = QLatin1String("qt_calendar_monthbutton");
const auto YearButton = QLatin1String("qt_calendar_yearbutton");
const auto YearEdit = QLatin1String("qt_calendar_yearedit");
constexpr char ChangeDateSignal[] = "changeDate"; // (QDate date, bool changeMonth)
} // namespace QtParts

const QColor DarkBlue(0, 0, 160);

// Arial where it is installed; otherwise its metric twin from fonts-liberation,
// named outright so that no font substitution runs at start-up. The installed
// families are read as they are: hasFamily() would first have fontconfig
// resolve the name (bench/README.md has what each start-up cost came to).
QFont arial(qreal points, bool bold)
{
    static const QString family =
        QFontDatabase::families().contains(QStringLiteral("Arial"), Qt::CaseInsensitive)
        ? QStringLiteral("Arial")
        : QStringLiteral("Liberation Sans");
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

Calendar::Calendar(QWidget *parent) : QWidget(parent), m_widget(new QCalendarWidget(this))
{
    setFocusProxy(m_widget);
    m_widget->setAccessibleName(QStringLiteral("Calendario"));

    m_widget->setMinimumDate(Dates::firstDate());
    m_widget->setMaximumDate(Dates::lastDate());
    applyLook();

    // The grid selects a day on the mouse release and says clicked() right
    // after; the release is watched so that a pick by mouse raises one Click,
    // also for the day already selected.
    m_grid = m_widget->findChild<QAbstractItemView *>(QtParts::Grid);
    if (m_grid) {
        m_grid->installEventFilter(this);
        m_grid->viewport()->installEventFilter(this);
    }
    connect(m_widget, &QCalendarWidget::selectionChanged, this, &Calendar::onSelectionChanged);
    connect(m_widget, &QCalendarWidget::clicked, this, &Calendar::onClicked);

    connect(m_widget, &QCalendarWidget::currentPageChanged, this, &Calendar::nameHolidays);
    nameHolidays(m_widget->yearShown(), m_widget->monthShown());
}

// A holiday's cell gets its names as a tooltip, on the page shown and on the
// grey days of the months around it. A format that holds only a tooltip
// leaves the cell's look as it was.
void Calendar::nameHolidays(int year, int month)
{
    m_widget->setDateTextFormat(QDate(), QTextCharFormat()); // the last page's
    const QDate shown(year, month, 1);
    const QMap<QDate, QString> names =
        Feasts::holidayNames(shown.addMonths(-1), shown.addMonths(2).addDays(-1));
    for (auto day = names.cbegin(); day != names.cend(); ++day) {
        QTextCharFormat format;
        format.setToolTip(day.value());
        m_widget->setDateTextFormat(day.key(), format);
    }
}

void Calendar::applyLook()
{
    // setLocale() resets the first day of the week, so Monday comes after it.
    m_widget->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    m_widget->setFirstDayOfWeek(Qt::Monday);
    m_widget->setGridVisible(true);
    m_widget->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    m_widget->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);

    // Day numbers take the grid's font and text colour, the header the same
    // font in bold; weekday formats are merged over the header too, so they
    // are left empty (Qt's default ones paint the weekend red).
    QTextCharFormat header;
    header.setFontWeight(QFont::Bold);
    m_widget->setHeaderTextFormat(header);
    for (int weekday = Qt::Monday; weekday <= Qt::Sunday; ++weekday)
        m_widget->setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(weekday), QTextCharFormat());

    if (auto *grid = m_widget->findChild<QWidget *>(QtParts::Grid)) {
        grid->setFont(arial(8.25, false));
        auto *lines = new GridLineStyle; // lives as long as the grid, which takes no ownership
        lines->setParent(this);
        grid->setStyle(lines);
    }

    // The header: button-face background.
    if (auto *bar = m_widget->findChild<QWidget *>(QtParts::NavigationBar)) {
        bar->setBackgroundRole(QPalette::Button);
        for (const QLatin1String name : {QtParts::MonthButton, QtParts::YearButton}) {
            if (auto *button = bar->findChild<QWidget *>(name))
                button->setFont(arial(12, true));
        }
    }
    applyColours();
}

// Dark blue and black on the button face where they read. On a dark face the
// blue turns lighter, and black gives way to the scheme's own text colour.
void Calendar::applyColours()
{
    const QPalette scheme = palette();
    const QColor buttonFace = scheme.color(QPalette::Button);
    const QColor blue = Look::readable(DarkBlue, buttonFace);
    const QColor black = Look::contrast(Qt::black, buttonFace) >= Look::MinimumContrast
        ? QColor(Qt::black)
        : Look::readable(scheme.color(QPalette::ButtonText), buttonFace);

    QTextCharFormat header = m_widget->headerTextFormat();
    header.setForeground(black);
    m_widget->setHeaderTextFormat(header);

    if (auto *grid = m_widget->findChild<QWidget *>(QtParts::Grid)) {
        QPalette palette = grid->palette();
        palette.setColor(QPalette::Base, buttonFace);
        palette.setColor(QPalette::AlternateBase, buttonFace);
        palette.setColor(QPalette::Mid, scheme.color(QPalette::Dark)); // grid lines: button shadow
        // The disabled colour stays the scheme's grey: Qt paints the days of
        // the months around the one shown with it.
        palette.setColor(QPalette::Active, QPalette::Text, blue);
        palette.setColor(QPalette::Inactive, QPalette::Text, blue);
        grid->setPalette(palette);
    }

    // The month and year buttons draw the title in the highlighted-text colour.
    // The year's editor, inside the header too, shows its selected year in it
    // on the scheme's highlight.
    if (auto *bar = m_widget->findChild<QWidget *>(QtParts::NavigationBar)) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::HighlightedText, blue);
        bar->setPalette(palette);
        if (auto *yearEdit = bar->findChild<QWidget *>(QtParts::YearEdit)) {
            palette = yearEdit->palette();
            palette.setColor(
                QPalette::HighlightedText, Look::readable(DarkBlue, scheme.color(QPalette::Highlight)));
            yearEdit->setPalette(palette);
        }
    }
}

// The grid fills the adapter without a layout, which would ask Qt's calendar
// for its size hints: measuring every month's name in the title's font.
void Calendar::resizeEvent(QResizeEvent *event)
{
    m_widget->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void Calendar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        applyColours();
    QWidget::changeEvent(event);
}

void Calendar::setHeaderLeftInset(int pixels)
{
    auto *bar = m_widget->findChild<QWidget *>(QtParts::NavigationBar);
    if (bar && bar->layout()) {
        QMargins margins = bar->layout()->contentsMargins();
        margins.setLeft(pixels);
        bar->layout()->setContentsMargins(margins);
    }
}

QDate Calendar::value() const
{
    return m_widget->selectedDate();
}

bool Calendar::setValue(QDate date)
{
    if (!Dates::inRange(date))
        return false;
    m_writingFromCode = true;
    // The grid's own date slot is the path a pick takes: unlike
    // setSelectedDate() it also moves the pop-up date editor's starting date,
    // so a date typed on the grid afterwards is read against the day shown.
    const bool viaGrid = date != m_widget->selectedDate() && m_grid &&
        QMetaObject::invokeMethod(
            m_grid, QtParts::ChangeDateSignal, Qt::DirectConnection, Q_ARG(QDate, date), Q_ARG(bool, true));
    if (!viaGrid)
        m_widget->setSelectedDate(date);
    m_widget->setCurrentPage(date.year(), date.month());
    m_writingFromCode = false;
    return true;
}

bool Calendar::isGrid(const QObject *object)
{
    const QObject *calendarWidget = object->parent();
    return object->objectName() == QtParts::Grid && calendarWidget &&
        qobject_cast<const Calendar *>(calendarWidget->parent());
}

Integer Calendar::year() const
{
    return static_cast<Integer>(value().year());
}

void Calendar::refresh()
{
    m_widget->repaint();
}

void Calendar::onSelectionChanged()
{
    if (m_writingFromCode)
        return;
    // A change made by the mouse is followed by clicked(), which raises the Click.
    if (!m_releasingMouse)
        Q_EMIT click();
}

void Calendar::onClicked()
{
    m_releasingMouse = false;
    Q_EMIT click();
}

bool Calendar::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == m_grid && !m_holdingRepaints)
            QMetaObject::invokeMethod(this, &Calendar::announceCurrentDay, Qt::QueuedConnection);
        [[fallthrough]];
    case QEvent::FocusOut:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (watched == m_grid && !m_holdingRepaints && onlyCurrentDayChanges(event))
            return deliverRepaintingCurrentDay(event);
        break;
    case QEvent::MouseButtonRelease:
        m_releasingMouse = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::KeyPress:
        // Ctrl+F1 shows the tooltip of the focused widget, as in GTK programs.
        if (watched == m_grid &&
            static_cast<QKeyEvent *>(event)->keyCombination() ==
                QKeyCombination(Qt::ControlModifier, Qt::Key_F1)) {
            showCurrentDayToolTip();
            return true;
        }
        m_releasingMouse = false;
        break;
    case QEvent::MouseButtonPress:
        // A release away from any day leaves no clicked() to end it.
        m_releasingMouse = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// The grid's focus changes how the current day's cell is drawn (its focus
// frame, the colour group of its highlight) and nothing else of the grid, and
// so does the window's activation where the grid's colours are the same in
// both groups. Qt repaints every cell for either, at start-up too, when the
// window becomes active.
bool Calendar::onlyCurrentDayChanges(const QEvent *event) const
{
    const bool activation =
        event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate;
    return !activation || m_grid->palette().isEqual(QPalette::Active, QPalette::Inactive);
}

// The event goes its way again with the grid's repaints held; then only that
// cell is repainted.
bool Calendar::deliverRepaintingCurrentDay(QEvent *event)
{
    QWidget *viewport = m_grid->viewport();
    m_holdingRepaints = true;
    m_grid->setAttribute(Qt::WA_UpdatesDisabled);
    viewport->setAttribute(Qt::WA_UpdatesDisabled);
    QCoreApplication::sendEvent(m_grid, event);
    viewport->setAttribute(Qt::WA_UpdatesDisabled, false);
    m_grid->setAttribute(Qt::WA_UpdatesDisabled, false);
    m_holdingRepaints = false;
    m_grid->update(m_grid->currentIndex());
    return true;
}

// Beside the cell, where the mouse would have opened it; a day without names
// hides any tooltip shown. Qt tells screen readers only that the tooltip's
// text changed, and they speak a tooltip when it is shown. To a screen reader
// the tooltip names its day too: Orca 48 keeps quiet a tooltip whose text is
// the focused cell's description, which for a day is its names.
void Calendar::showCurrentDayToolTip()
{
    const QModelIndex current = m_grid->currentIndex();
    const QRect cell = m_grid->visualRect(current);
    QToolTip::showText(m_grid->viewport()->mapToGlobal(cell.center()),
        current.data(Qt::ToolTipRole).toString(), m_grid->viewport(), cell);
    if (!QAccessible::isActive() || !QToolTip::isVisible())
        return;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible()) {
            widget->setAccessibleName(
                DayInfo::spokenDate(value()) + QStringLiteral(": ") + DayInfo::spokenHolidays(value()));
            QAccessibleEvent shown(widget, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    }
}

// Qt tells screen readers that the grid has the focus, and of its current
// cell only when that changes: the day is said on arrival once the grid's
// own focus event has gone out.
void Calendar::announceCurrentDay()
{
    if (!QAccessible::isActive() || !m_grid->hasFocus())
        return;
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(m_grid);
    QAccessibleTableInterface *table = grid ? grid->tableInterface() : nullptr;
    const QModelIndex current = m_grid->currentIndex();
    if (QAccessibleInterface *cell =
            table && current.isValid() ? table->cellAt(current.row(), current.column()) : nullptr) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}
