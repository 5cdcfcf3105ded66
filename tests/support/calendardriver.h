#pragma once

#include "app/calendar.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QTest>
#include <QToolButton>

// Drives the calendar's own grid and header the way a user would.
class CalendarDriver
{
public:
    explicit CalendarDriver(Calendar *calendar)
        : m_calendar(calendar)
        , m_view(calendar->calendarWidget()->findChild<QAbstractItemView *>(
              QStringLiteral("qt_calendar_calendarview")))
    {
    }

    QAbstractItemView *view() const { return m_view; }

    // The cell showing `date` on the page shown, grey days of the months
    // around it included; an invalid index when the page does not show it.
    QModelIndex cellOf(QDate date) const
    {
        const QCalendarWidget *widget = m_calendar->calendarWidget();
        const QDate firstOfPage(widget->yearShown(), widget->monthShown(), 1);
        const QAbstractItemModel *model = m_view->model();
        // Row 0 holds the weekday names and column 0 the week numbers.
        int monthOffset = -1;
        for (int row = 1; row < model->rowCount(); ++row) {
            for (int column = 1; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                const int day = model->data(index, Qt::DisplayRole).toInt();
                if (day == 1)
                    ++monthOffset;
                const QDate month = firstOfPage.addMonths(monthOffset);
                if (QDate(month.year(), month.month(), day) == date)
                    return index;
            }
        }
        return {};
    }

    bool click(QDate date, Qt::KeyboardModifiers modifiers = {}) const
    {
        const QModelIndex index = cellOf(date);
        if (!index.isValid())
            return false;
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, modifiers, m_view->visualRect(index).center());
        return true;
    }

    void key(Qt::Key key) const { QTest::keyClick(m_view, key); }

    void header(const char *objectName) const
    {
        auto *button = m_calendar->calendarWidget()->findChild<QToolButton *>(QLatin1String(objectName));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

private:
    Calendar *m_calendar;
    QAbstractItemView *m_view;
};
