#pragma once

#include "app/calendar.h"
#include "app/rur_irozuvod.h"
#include "fakedialogservice.h"
#include "fixedclock.h"

#include <QLabel>
#include <QTest>

// A fresh window on a fixed day, with scripted dialogs, for one test function;
// it is driven through its controls, found by their names.
struct WindowFixture {
    // Opened on `openedOn`, or on today when it is invalid.
    explicit WindowFixture(QDate today = QDate(2010, 3, 1), QDate openedOn = {})
        : clock(QDateTime(today, QTime(10, 30))), window(dialogs, clock, openedOn)
    {
        window.setProgramEnd([this] {
            ++programEnds;
        });
    }

    template<class Control = QWidget>
    Control *control(const QString &name) const
    {
        return window.findChild<Control *>(name);
    }
    // The three value boxes, quarter first.
    QStringList row() const
    {
        QStringList boxes;
        for (int index = 0; index < 3; ++index)
            boxes << control<QLabel>(QStringLiteral("Lab_Week_%1").arg(index))->text();
        return boxes;
    }
    QDate selected() const { return calendar->value(); }

    FakeDialogService dialogs;
    FixedClock clock;
    Rur_Irozuvod window;
    Calendar *calendar = window.findChild<Calendar *>();
    int programEnds = 0;
};

// Shows `window` and makes it the active one, as a click on it would.
inline bool activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// What the information row must show for a day, computed apart from the window.
inline QStringList expectedRow(QDate day)
{
    return {QString::number((day.month() + 2) / 3), QString::number(day.weekNumber()),
        QString::number(day.dayOfYear())};
}
