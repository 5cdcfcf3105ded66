#pragma once

#include "app/formstate.h"
#include "platform/dates.h"
#include "platform/integer.h"

#include <QWidget>

#include <array>
#include <functional>

class Calendar;
class Clock;
class DialogService;
class PressButton;
class QPushButton;
class RowLabel;
namespace Navigation
{
struct NumberEntry;
}

// The program's one window: the month calendar, the information row below it
// (quarter, week, day of the year of the selected day) and the buttons "?",
// "M" and "D". Its handlers read the controls, ask the core for every rule and
// text, and talk to the user only through the dialog service.
class Rur_Irozuvod : public QWidget
{
    Q_OBJECT

public:
    // Opens on `startDay`, or on the clock's day when it is invalid.
    Rur_Irozuvod(DialogService &dialogs, const Clock &clock, QDate startDay = {}, QWidget *parent = nullptr);

    // What a close request runs; by default the window hides and the
    // application leaves its event loop.
    void setProgramEnd(std::function<void()> end) { m_programEnd = std::move(end); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The window built top-down, in the order the controls are stacked.
    void setUpWindow();
    void createCalendar();
    void createButtons();
    PressButton *createPressButton(const QString &caption, const QString &toolTip);
    void createRow();
    RowLabel *createRowLabel(int index, const QString &text, const QString &description);
    void createShortcuts();
    void setFocusChain();
    void applyBoxColours();

    // Handlers, named after the control and the event they serve.
    void Form_Load(QDate startDay);
    void Form_QueryUnload(bool &cancel);
    void Update_DayInfo();
    void Lab_Week_DblClick(Integer index);
    void Lab_Week1_DblClick(Integer index);
    void Cmd_Oggi_MouseDown(Integer button, Integer shift);
    void Cmd_Diff_MouseDown(Integer button, Integer shift);
    void Cmd_Info_Click();

    // Procedures the handlers share.
    void Set_InputPos();
    void Shift_Date(Dates::Interval interval, Integer count);
    void Find_Week();
    void Find_Quarter();
    void Find_Day();
    void Show_ButtonHelp(Integer selector);
    void Show_Holidays(Integer year);
    void Print_Year();

    void askNumber(const Navigation::NumberEntry &entry);
    void goTo(QDate date);
    bool goToTypedDate();
    bool askYear(const QString &prompt, const QString &title, const std::function<void(Integer)> &accept);
    template<class Answers, class Accept>
    bool settle(const Answers &answer, Accept accept);
    void completeDayDiff();
    void warn(const QString &text);

    DialogService &m_dialogs;
    const Clock &m_clock;
    FormState m_state;
    std::function<void()> m_programEnd;

    Calendar *m_calendar = nullptr;
    QPushButton *m_cmdInfo = nullptr;
    PressButton *m_cmdOggi = nullptr;
    PressButton *m_cmdDiff = nullptr;
    std::array<RowLabel *, 3> m_labWeek {}; // value boxes, by row index
    std::array<RowLabel *, 3> m_labWeek1 {}; // captions, by row index
};
