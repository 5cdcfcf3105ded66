#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAbstractItemView;

// One cell of the calendar's grid as a screen reader sees it: a day says its
// whole date as its name and its holidays as its description, a weekday
// header its weekday in full, a week number "settimana 22". Row or column -1
// is the grid's hidden header view, which says nothing.
class CalendarCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    CalendarCellAccessible(QAbstractItemView *grid, int row, int column);

    bool isValid() const override { return !m_grid.isNull(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text text) const override;
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    bool isSelected() const override;
    // No table: Orca reads a whole row when a cell names its table (see
    // CalendarGridAccessible); the cell's parent is still the grid.
    QAccessibleInterface *table() const override { return nullptr; }

private:
    QModelIndex modelIndex() const;
    QDate date() const;

    QPointer<QAbstractItemView> m_grid;
    int m_row;
    int m_column;
};
