#pragma once

#include <QAccessibleObject>
#include <QDate>
#include <QHash>

class QAbstractItemView;

// What a screen reader sees of the calendar's grid: a table whose cells say
// the whole day they show (see CalendarCellAccessible). Children are numbered
// as Qt numbers the grid's focus events: its two hidden header views count as
// a row and a column before the model's own.
class CalendarGridAccessible : public QAccessibleObject, public QAccessibleTableInterface
{
public:
    explicit CalendarGridAccessible(QAbstractItemView *grid);
    ~CalendarGridAccessible() override;

    QAbstractItemView *grid() const;
    // The header of `row` while it holds the selected day: the day's numbers,
    // with their words. A new one for each row and each day, so that a reader
    // that compares the headers of two cells, or keeps their names, hears the
    // day's own.
    QAccessibleInterface *selectedDayHeader(int row) const;
    int logicalIndex(int row, int column) const { return (row + 1) * (columnCount() + 1) + column + 1; }

    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text text) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *cellAt(int row, int column) const override;
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    void forgetCells();
    void forgetHeaders() const;

    mutable QHash<int, QAccessible::Id> m_cells; // by child number, made when first asked for
    mutable QHash<int, QAccessible::Id> m_headers; // by row, for the day of m_headersDay
    mutable QDate m_headersDay;
};
