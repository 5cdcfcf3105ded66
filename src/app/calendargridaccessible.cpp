#include "calendargridaccessible.h"

#include "app/calendarcellaccessible.h"

#include "app/spokentextaccessible.h"
#include "dayinfo/spokenday.h"

#include <QAbstractItemView>
#include <QCalendarWidget>

CalendarGridAccessible::CalendarGridAccessible(QAbstractItemView *grid) : QAccessibleObject(grid) { }

CalendarGridAccessible::~CalendarGridAccessible()
{
    forgetCells();
    forgetHeaders();
}

QAccessibleInterface *CalendarGridAccessible::selectedDayHeader(int row) const
{
    const auto *calendar = qobject_cast<const QCalendarWidget *>(grid()->parentWidget());
    const QDate day = calendar ? calendar->selectedDate() : QDate();
    if (day != m_headersDay) {
        forgetHeaders();
        m_headersDay = day;
    }
    QAccessible::Id &header = m_headers[row];
    if (!header) {
        header = QAccessible::registerAccessibleInterface(
            new SpokenTextAccessible(grid(), QAccessible::RowHeader, [text = DayInfo::spokenRow(day)] {
                return text;
            }));
    }
    return QAccessible::accessibleInterface(header);
}

void CalendarGridAccessible::forgetHeaders() const
{
    for (const QAccessible::Id id : std::as_const(m_headers))
        QAccessible::deleteAccessibleInterface(id);
    m_headers.clear();
}

QAbstractItemView *CalendarGridAccessible::grid() const
{
    return static_cast<QAbstractItemView *>(object());
}

QAccessibleInterface *CalendarGridAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(grid()->parent());
}

QAccessibleInterface *CalendarGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const QAccessible::Id id = m_cells.value(index))
        return QAccessible::accessibleInterface(id);
    const int columns = columnCount() + 1;
    auto *cell = new CalendarCellAccessible(grid(), index / columns - 1, index % columns - 1);
    m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface *CalendarGridAccessible::focusChild() const
{
    const QModelIndex current = grid()->currentIndex();
    return current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
}

QAccessibleInterface *CalendarGridAccessible::childAt(int x, int y) const
{
    const QModelIndex index = grid()->indexAt(grid()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

int CalendarGridAccessible::childCount() const
{
    return (rowCount() + 1) * (columnCount() + 1);
}

int CalendarGridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessibleTableCellInterface *cell =
        child ? const_cast<QAccessibleInterface *>(child)->tableCellInterface() : nullptr;
    if (!cell || m_cells.key(QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child)), -1) < 0)
        return -1;
    return logicalIndex(cell->rowIndex(), cell->columnIndex());
}

QString CalendarGridAccessible::text(QAccessible::Text text) const
{
    return text == QAccessible::Description ? grid()->accessibleDescription() : grid()->accessibleName();
}

QRect CalendarGridAccessible::rect() const
{
    return grid()->isVisible() ? QRect(grid()->mapToGlobal(QPoint(0, 0)), grid()->size()) : QRect();
}

QAccessible::State CalendarGridAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !grid()->isVisible();
    state.focusable = grid()->focusPolicy() != Qt::NoFocus;
    state.focused = grid()->hasFocus();
    state.disabled = !grid()->isEnabled();
    return state;
}

void *CalendarGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
}

QAccessibleInterface *CalendarGridAccessible::cellAt(int row, int column) const
{
    return child(logicalIndex(row, column));
}

QString CalendarGridAccessible::columnDescription(int column) const
{
    return grid()->model()->headerData(column, Qt::Horizontal).toString();
}

QString CalendarGridAccessible::rowDescription(int row) const
{
    return grid()->model()->headerData(row, Qt::Vertical).toString();
}

int CalendarGridAccessible::columnCount() const
{
    return grid()->model() ? grid()->model()->columnCount() : 0;
}

int CalendarGridAccessible::rowCount() const
{
    return grid()->model() ? grid()->model()->rowCount() : 0;
}

QList<QAccessibleInterface *> CalendarGridAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    if (grid()->selectionModel()) {
        for (const QModelIndex &index : grid()->selectionModel()->selectedIndexes())
            cells << cellAt(index.row(), index.column());
    }
    return cells;
}

// The calendar's pages only change the data of the same 7 x 8 cells, which
// name themselves afresh each time they are read; any other change starts
// the cells again.
void CalendarGridAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
        forgetCells();
}

void CalendarGridAccessible::forgetCells()
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}
