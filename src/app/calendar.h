#pragma once

#include "platform/integer.h"

#include <QDate>
#include <QWidget>

class QAbstractItemView;
class QCalendarWidget;

// The month grid of the main window, reduced to what the program relies on:
// one selected day, written from code without any event, and a Click event
// for every day the user picks (mouse, keyboard or the grid's date editor).
// Browsing months or years in the header only changes the page shown. A day
// of the page that is a holiday has its names as a tooltip.
class Calendar : public QWidget
{
    Q_OBJECT

public:
    explicit Calendar(QWidget *parent = nullptr);

    QDate value() const;
    // Moves the selection and the page shown to `date`; false, and nothing
    // changed, when the date lies outside 1 January 100 - 31 December 9999.
    bool setValue(QDate date);
    Integer year() const;

    void refresh();

    // Keeps the first `pixels` of the header free for a control the window
    // lays over it; every control of the header stays reachable to its right.
    void setHeaderLeftInset(int pixels);

    QCalendarWidget *calendarWidget() const { return m_widget; }
    // The grid of days, where picks and typed dates happen.
    QAbstractItemView *grid() const { return m_grid; }
    // True for the grid of a Calendar's QCalendarWidget.
    static bool isGrid(const QObject *object);

Q_SIGNALS:
    void click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyLook();
    void applyColours();
    void onSelectionChanged();
    void onClicked();
    void nameHolidays(int year, int month);
    bool onlyCurrentDayChanges(const QEvent *event) const;
    bool deliverRepaintingCurrentDay(QEvent *event);
    void showCurrentDayToolTip();
    void announceCurrentDay();

    QCalendarWidget *m_widget;
    QAbstractItemView *m_grid = nullptr;
    bool m_writingFromCode = false;
    bool m_releasingMouse = false;
    bool m_holdingRepaints = false;
};
