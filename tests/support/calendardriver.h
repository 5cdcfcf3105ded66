#pragma once

#include "app/calendar.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QTest>

// Drives the calendar's own grid and header the way a user would.
class CalendarDriver
{
public:
    explicit CalendarDriver(Calendar *calendar) : m_calendar(calendar), m_grid(calendar->grid()) { }

    // The cell showing `date` on the page shown, grey days of the months
    // around it included; an invalid index when the page does not show it.
    QModelIndex cellOf(QDate date) const
    {
        // Row 0 holds the weekday names and column 0 the week numbers; the
        // page's month starts at the first cell showing 1.
        const QCalendarWidget *widget = m_calendar->calendarWidget();
        const QAbstractItemModel *model = m_grid->model();
        int first = 0;
        while (model->index(1 + first / 7, 1 + first % 7).data().toInt() != 1)
            ++first;
        const qint64 cell = first + QDate(widget->yearShown(), widget->monthShown(), 1).daysTo(date);
        return cell >= 0 && cell < qint64(7) * (model->rowCount() - 1)
            ? model->index(int(1 + cell / 7), int(1 + cell % 7))
            : QModelIndex();
    }

    bool click(QDate date) const
    {
        const QModelIndex index = cellOf(date);
        if (!index.isValid())
            return false;
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, m_grid->visualRect(index).center());
        return true;
    }

private:
    Calendar *m_calendar;
    QAbstractItemView *m_grid;
};
