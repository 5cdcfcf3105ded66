#include "calendarcellaccessible.h"

#include "app/calendargridaccessible.h"
#include "dayinfo/spokenday.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QItemSelectionModel>

CalendarCellAccessible::CalendarCellAccessible(QAbstractItemView *grid, int row, int column)
    : m_grid(grid), m_row(row), m_column(column)
{
}

QAccessibleInterface *CalendarCellAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_grid.data());
}

// The calendar's model has the weekdays as its row 0 and the ISO weeks as its
// column 0, Monday first (see Calendar); its days show their number.
QString CalendarCellAccessible::text(QAccessible::Text text) const
{
    const QModelIndex index = modelIndex();
    if (!index.isValid() || (text != QAccessible::Name && text != QAccessible::Description))
        return {};
    if (m_row == 0)
        return text == QAccessible::Name && m_column > 0 ? DayInfo::spokenWeekday(m_column) : QString();
    if (m_column == 0)
        return text == QAccessible::Name ? DayInfo::spokenWeek(index.data().toInt()) : QString();
    const QDate day = date();
    return text == QAccessible::Name ? DayInfo::spokenDate(day) : DayInfo::spokenHolidays(day);
}

QDate CalendarCellAccessible::date() const
{
    const auto *calendar = qobject_cast<const QCalendarWidget *>(m_grid->parentWidget());
    if (!calendar)
        return {};
    return DayInfo::dayOfPage(
        calendar->yearShown(), calendar->monthShown(), m_row - 1, modelIndex().data().toInt());
}

QModelIndex CalendarCellAccessible::modelIndex() const
{
    return m_grid && m_grid->model() ? m_grid->model()->index(m_row, m_column) : QModelIndex();
}

QRect CalendarCellAccessible::rect() const
{
    const QModelIndex index = modelIndex();
    if (!index.isValid())
        return {};
    const QRect cell = m_grid->visualRect(index);
    return cell.translated(m_grid->viewport()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role CalendarCellAccessible::role() const
{
    if (m_row < 0)
        return m_column < 0 ? QAccessible::Pane : QAccessible::ColumnHeader;
    return m_column < 0 ? QAccessible::RowHeader : QAccessible::Cell;
}

QAccessible::State CalendarCellAccessible::state() const
{
    QAccessible::State state;
    const QModelIndex index = modelIndex();
    if (!index.isValid()) {
        state.invisible = true;
        return state;
    }
    state.invisible = !m_grid->isVisible();
    state.selected = isSelected();
    state.focused = m_grid->currentIndex() == index;
    state.selectable = state.focusable = index.flags().testFlag(Qt::ItemIsSelectable);
    return state;
}

void *CalendarCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this)
                                                   : nullptr;
}

bool CalendarCellAccessible::isSelected() const
{
    const QModelIndex index = modelIndex();
    return index.isValid() && m_grid->selectionModel() && m_grid->selectionModel()->isSelected(index);
}

// The selected day's row is headed by that day's numbers, which a screen
// reader says when it comes to the row; the other rows have no header.
QList<QAccessibleInterface *> CalendarCellAccessible::rowHeaderCells() const
{
    if (m_row <= 0 || m_grid->currentIndex().row() != m_row)
        return {};
    return {static_cast<CalendarGridAccessible *>(parent())->selectedDayHeader(m_row)};
}
