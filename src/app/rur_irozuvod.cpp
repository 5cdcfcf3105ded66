#include "rur_irozuvod.h"

#include "app/calendar.h"
#include "app/look.h"
#include "app/namedactionsaccessible.h"
#include "app/pressbutton.h"
#include "app/rowlabel.h"
#include "app/spokentextaccessible.h"
#include "app/yearprinting.h"
#include "dayinfo/daydiff.h"
#include "dayinfo/inforow.h"
#include "dayinfo/spokenday.h"
#include "feasts/easter.h"
#include "feasts/holidays.h"
#include "feasts/todaybutton.h"
#include "help/about.h"
#include "help/buttonhelp.h"
#include "navigation/numberentry.h"
#include "platform/clock.h"
#include "platform/dialogservice.h"
#include "platform/typedanswers.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace
{

// Where each control lies, in twips from the client area's top-left corner.
struct Twips {
    int left, top, width, height;
};
constexpr Twips ClientArea {0, 0, 6045, 3825};
constexpr Twips CalendarPlace {0, 0, 6015, 3255};
constexpr Twips InfoPlace {120, 120, 375, 255};
constexpr Twips TodayPlace {5160, 3480, 375, 255};
constexpr Twips DiffPlace {5520, 3480, 375, 255};
// The row's captions and value boxes, by index.
constexpr std::array<Twips, 3> CaptionPlaces {
    {{105, 3480, 735, 255}, {1560, 3480, 735, 255}, {3040, 3480, 1215, 255}}};
constexpr std::array<Twips, 3> BoxPlaces {
    {{840, 3480, 495, 255}, {2370, 3480, 495, 255}, {4320, 3480, 495, 255}}};
// The line from (120, 3360) to (5880, 3360), one pixel thick in the middle of three.
constexpr Twips LinePlace {120, 3360 - TwipsPerPixel, 5880 - 120, 3 * TwipsPerPixel};

QRect pixels(const Twips &place)
{
    const auto px = [](int twips) {
        return qRound(twips / double(TwipsPerPixel));
    };
    return QRect(px(place.left), px(place.top), px(place.width), px(place.height));
}

QFont smallFont()
{
    // The row's captions are laid out for a narrow face: "Giorno dell'anno:"
    // has 81 pixels.
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.0);
    return font;
}

// The functions of a button's gesture table, as its menu and its accessible
// actions offer them.
template<class Table>
QList<PressButton::Function> functionsOf(const Table &table)
{
    QList<PressButton::Function> functions;
    for (const auto &row : table)
        functions.append({row.name.toString(), row.button, row.shift});
    return functions;
}

} // namespace

Rur_Irozuvod::Rur_Irozuvod(DialogService &dialogs, const Clock &clock, QDate startDay, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs), m_clock(clock), m_programEnd([this] {
        hide();
        QCoreApplication::exit(0);
    })
{
    installControlsAccessibility();
    setUpWindow();
    createCalendar();
    createButtons();
    createRow();
    m_cmdInfo->raise(); // over the calendar's header
    createShortcuts();
    setFocusChain();
    Form_Load(startDay);
}

void Rur_Irozuvod::setUpWindow()
{
    setObjectName(QStringLiteral("Rur_Irozuvod"));
    setWindowTitle(QStringLiteral("Fastorio"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/fastorio-16.png"));
    icon.addFile(QStringLiteral(":/icons/fastorio-32.png"));
    setWindowIcon(icon);
    setFont(smallFont());
    setFixedSize(pixels(ClientArea).size());
}

void Rur_Irozuvod::createCalendar()
{
    m_calendar = new Calendar(this);
    m_calendar->setObjectName(QStringLiteral("Calendar"));
    m_calendar->setAccessibleName(QStringLiteral("Calendario"));
    m_calendar->setAccessibleDescription(QStringLiteral("Il giorno selezionato e il suo mese"));
    m_calendar->setGeometry(pixels(CalendarPlace));
    connect(m_calendar, &Calendar::click, this, &Rur_Irozuvod::Update_DayInfo);
}

// The buttons take the focus from the keyboard only: a press leaves it where
// it was unless what it does moves it.
void Rur_Irozuvod::createButtons()
{
    m_cmdInfo = new QPushButton(QStringLiteral("?"), this);
    m_cmdInfo->setObjectName(QStringLiteral("Cmd_Info"));
    m_cmdInfo->setGeometry(pixels(InfoPlace));
    m_cmdInfo->setFocusPolicy(Qt::TabFocus);
    m_cmdInfo->setAccessibleDescription(QStringLiteral("Mostra le informazioni sul programma"));
    m_cmdInfo->installEventFilter(this); // Return opens the about box as Space does
    connect(m_cmdInfo, &QPushButton::clicked, this, &Rur_Irozuvod::Cmd_Info_Click);
    // "?" lies over the calendar's header, whose controls move to its right.
    m_calendar->setHeaderLeftInset(m_cmdInfo->geometry().right() + 4);

    m_cmdOggi = createPressButton(QStringLiteral("M"),
        QStringLiteral("Impostazione della data, calcolo della Pasqua e delle principali festività"));
    m_cmdOggi->setObjectName(QStringLiteral("Cmd_Oggi"));
    m_cmdOggi->setGeometry(pixels(TodayPlace));
    m_cmdOggi->setFunctions(functionsOf(Feasts::todayGestures()));
    connect(m_cmdOggi, &PressButton::mouseDown, this, &Rur_Irozuvod::Cmd_Oggi_MouseDown);

    m_cmdDiff = createPressButton(QStringLiteral("D"), QStringLiteral("Differenza tra due date"));
    m_cmdDiff->setObjectName(QStringLiteral("Cmd_Diff"));
    m_cmdDiff->setGeometry(pixels(DiffPlace));
    m_cmdDiff->setFunctions(functionsOf(DayInfo::diffGestures()));
    connect(m_cmdDiff, &PressButton::mouseDown, this, &Rur_Irozuvod::Cmd_Diff_MouseDown);
}

PressButton *Rur_Irozuvod::createPressButton(const QString &caption, const QString &toolTip)
{
    auto *button = new PressButton(caption, this);
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(toolTip);
    button->setAccessibleDescription(toolTip + QStringLiteral(". ") + Help::buttonKeysHint());
    return button;
}

// Captions and value boxes by index, then the line above them. A double-click
// on either runs the same handler by way of its own.
void Rur_Irozuvod::createRow()
{
    for (int index = 0; index < 3; ++index) {
        const DayInfo::RowItem &item = DayInfo::rowItems()[index];
        RowLabel *caption = createRowLabel(index, item.caption, item.captionDescription);
        caption->setObjectName(QStringLiteral("Lab_Week1_%1").arg(index));
        caption->setGeometry(pixels(CaptionPlaces[index]));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        connect(caption, &RowLabel::doubleClicked, this, [this](int i) {
            Lab_Week1_DblClick(static_cast<Integer>(i));
        });
        m_labWeek1[index] = caption;

        RowLabel *box = createRowLabel(index, QString(), item.boxDescription);
        box->setObjectName(QStringLiteral("Lab_Week_%1").arg(index));
        box->setGeometry(pixels(BoxPlaces[index]));
        box->setAlignment(Qt::AlignCenter);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setAutoFillBackground(true);
        box->setToolTip(item.boxToolTip);
        connect(box, &RowLabel::doubleClicked, this, [this](int i) {
            Lab_Week_DblClick(static_cast<Integer>(i));
        });
        m_labWeek[index] = box;
    }
    applyBoxColours();
    // Laid out for the narrow face; where it is missing, another face or size.
    Look::fitTexts({m_labWeek1.begin(), m_labWeek1.end()});

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Lin_Cal"));
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setGeometry(pixels(LinePlace));
}

// A label's accessible name stays its text; its description says what a
// double-click and its key do, since nothing on screen does.
RowLabel *Rur_Irozuvod::createRowLabel(int index, const QString &text, const QString &description)
{
    auto *label = new RowLabel(index, text, DayInfo::rowItems()[index].actionName, this);
    label->setAccessibleDescription(description);
    return label;
}

// Alt and an item's key open its prompt from anywhere in the window.
void Rur_Irozuvod::createShortcuts()
{
    for (int index = 0; index < 3; ++index) {
        const char key = DayInfo::rowItems()[index].accessKey;
        connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key(key)), this), &QShortcut::activated, this,
            [this, index] {
                Lab_Week_DblClick(static_cast<Integer>(index));
            });
    }
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &Rur_Irozuvod::Print_Year);
}

void Rur_Irozuvod::setFocusChain()
{
    setTabOrder(m_calendar, m_cmdInfo);
    setTabOrder(m_cmdInfo, m_cmdOggi);
    setTabOrder(m_cmdOggi, m_cmdDiff);
}

void Rur_Irozuvod::Form_Load(QDate startDay)
{
    // One reading of the clock, unless a day was named, decides the day shown
    // and the first count's start.
    const QDate first = startDay.isValid() ? startDay : m_clock.now().date();
    m_state.DiffStartDate = first;
    m_state.DiffEndDate = first;
    m_state.DiffPending = false;
    m_calendar->setValue(first);
    m_calendar->refresh();
    Update_DayInfo();
    repaint();
}

// The value boxes take their colours from the scheme, again whenever it
// changes: a desktop can switch between a light and a dark one at run time.
void Rur_Irozuvod::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        applyBoxColours();
    QWidget::changeEvent(event);
}

void Rur_Irozuvod::applyBoxColours()
{
    for (RowLabel *box : m_labWeek)
        box->setPalette(Look::valueBox(palette()));
}

bool Rur_Irozuvod::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cmdInfo && event->type() == QEvent::KeyPress &&
        PressButton::clickOnReturn(m_cmdInfo, static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Rur_Irozuvod::closeEvent(QCloseEvent *event)
{
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel)
        event->ignore();
}

void Rur_Irozuvod::Form_QueryUnload(bool &cancel)
{
    cancel = true;
    m_programEnd();
}

void Rur_Irozuvod::Update_DayInfo()
{
    const std::array<int, 3> values = DayInfo::rowValues(m_calendar->value());
    for (int index = 0; index < 3; ++index)
        m_labWeek[index]->setText(QString::number(values[index]));
    // On screen before a count's result message opens over the window.
    for (RowLabel *box : m_labWeek)
        box->repaint();

    if (m_state.DiffPending)
        completeDayDiff();
    else
        m_state.DiffStartDate = m_calendar->value();
}

void Rur_Irozuvod::completeDayDiff()
{
    m_state.DiffPending = false;
    m_state.DiffEndDate = m_calendar->value();
    m_dialogs.msgBox(DayInfo::dayDiffMessage(m_state.DiffStartDate, m_state.DiffEndDate),
        MessageStyle::Information, DayInfo::dayDiffTitle());
    // The day that ends a count starts the next one: the first day of a count
    // is always the day shown when "D" is pressed.
    m_state.DiffStartDate = m_state.DiffEndDate;
    m_calendar->setFocus();
}

void Rur_Irozuvod::Lab_Week_DblClick(Integer index)
{
    switch (index) {
    case 0:
        Find_Quarter();
        break;
    case 1:
        Find_Week();
        break;
    case 2:
        Find_Day();
        break;
    default:
        break;
    }
}

void Rur_Irozuvod::Lab_Week1_DblClick(Integer index)
{
    Lab_Week_DblClick(index);
}

void Rur_Irozuvod::Set_InputPos()
{
    const QPoint corner = frameGeometry().topLeft();
    m_state.InputPosX = corner.x() * TwipsPerPixel + 350;
    m_state.InputPosY = corner.y() * TwipsPerPixel + 600;
}

void Rur_Irozuvod::Shift_Date(Dates::Interval interval, Integer count)
{
    if (const auto moved = Dates::dateAdd(interval, count, m_calendar->value()))
        m_calendar->setValue(*moved);
    Update_DayInfo();
    m_calendar->setFocus();
}

void Rur_Irozuvod::Find_Week()
{
    askNumber(Navigation::weekEntry());
}

void Rur_Irozuvod::Find_Quarter()
{
    askNumber(Navigation::quarterEntry());
}

void Rur_Irozuvod::Find_Day()
{
    askNumber(Navigation::dayEntry());
}

void Rur_Irozuvod::askNumber(const Navigation::NumberEntry &entry)
{
    Set_InputPos();
    const QString answer = m_dialogs.inputBox(
        Navigation::promptText(entry), entry.title, QString(), m_state.InputPosX, m_state.InputPosY);
    std::visit(Answer::Overloaded {
                   [](Answer::NoAction) {},
                   [this](Navigation::MoveBy move) {
                       Shift_Date(move.interval, move.count);
                   },
                   [this](const Answer::JumpTo &jump) {
                       goTo(jump.date);
                   },
                   [this](const Answer::Warn &warning) {
                       warn(warning.text);
                   },
               },
        Navigation::readEntry(entry, answer, m_clock.now().date().year()));
}

// Jumps write the whole date, repaint and refresh the row; the focus stays
// where it is.
void Rur_Irozuvod::goTo(QDate date)
{
    m_calendar->setValue(date);
    m_calendar->refresh();
    Update_DayInfo();
}

void Rur_Irozuvod::Cmd_Oggi_MouseDown(Integer button, Integer shift)
{
    using Feasts::TodayAction;
    const std::optional<TodayAction> action = Mouse::actionFor(Feasts::todayGestures(), button, shift);
    bool answered = true;
    switch (action.value_or(TodayAction::None)) {
    case TodayAction::None:
        break;
    case TodayAction::GoToToday:
        goTo(m_clock.now().date());
        break;
    case TodayAction::GoToTypedDate:
        answered = goToTypedDate();
        break;
    case TodayAction::GoToEaster:
        answered = askYear(Feasts::easterPromptText(), Feasts::easterPromptTitle(), [this](Integer year) {
            goTo(Feasts::Calc_Easter(year));
        });
        break;
    case TodayAction::ShowHolidays:
        answered = askYear(Feasts::holidaysPromptText(), Feasts::holidaysPromptTitle(), [this](Integer year) {
            Show_Holidays(year);
        });
        break;
    case TodayAction::PrintYear:
        Print_Year();
        break;
    case TodayAction::ShowHelp:
        Show_ButtonHelp(Help::TodayButtonHelp);
        break;
    }
    // A cancelled prompt ends the press at once, the focus left where it was.
    if (answered)
        m_calendar->setFocus();
}

// False when the prompt was cancelled.
bool Rur_Irozuvod::goToTypedDate()
{
    Set_InputPos();
    const QString answer = m_dialogs.inputBox(Feasts::datePromptText(), Feasts::datePromptTitle(),
        Dates::dateToText(m_clock.now().date()), m_state.InputPosX, m_state.InputPosY);
    return settle(Dates::readDateAnswer(answer), [this](const Answer::JumpTo &jump) {
        goTo(jump.date);
    });
}

// False when the prompt was cancelled or the answer is not a number.
bool Rur_Irozuvod::askYear(
    const QString &prompt, const QString &title, const std::function<void(Integer)> &accept)
{
    Set_InputPos();
    const QString defaultText = Feasts::defaultYearText(m_calendar->year(), m_clock.now().date().year());
    const QString answer =
        m_dialogs.inputBox(prompt, title, defaultText, m_state.InputPosX, m_state.InputPosY);
    return settle(Dates::readYearAnswer(answer), [&accept](Dates::Year year) {
        accept(year.value);
    });
}

// Hands an accepted answer to `accept` or warns about a refused one; false
// when the answer ends the press without a word.
template<class Answers, class Accept>
bool Rur_Irozuvod::settle(const Answers &answer, Accept accept)
{
    return std::visit(Answer::Overloaded {
                          [](Answer::NoAction) {
                              return false;
                          },
                          [this](const Answer::Warn &warning) {
                              warn(warning.text);
                              return true;
                          },
                          [&accept](const auto &accepted) {
                              accept(accepted);
                              return true;
                          },
                      },
        answer);
}

void Rur_Irozuvod::Cmd_Diff_MouseDown(Integer button, Integer shift)
{
    if (const auto action = Mouse::actionFor(DayInfo::diffGestures(), button, shift)) {
        switch (*action) {
        case DayInfo::DiffAction::Arm:
            m_state.DiffPending = true;
            SpokenTextAccessible::announce(this, DayInfo::spokenCountArmed(m_state.DiffStartDate));
            break;
        case DayInfo::DiffAction::Disarm:
            m_state.DiffPending = false;
            SpokenTextAccessible::announce(this, DayInfo::spokenCountDisarmed());
            break;
        case DayInfo::DiffAction::ShowHelp:
            Show_ButtonHelp(Help::DiffButtonHelp);
            break;
        }
    }
    m_calendar->setFocus();
}

void Rur_Irozuvod::Cmd_Info_Click()
{
    m_dialogs.msgBox(Help::aboutText(Help::programVersionInfo(), m_cmdOggi->text(), m_cmdDiff->text()),
        MessageStyle::Information, Help::aboutTitle());
    m_calendar->setFocus();
}

void Rur_Irozuvod::Show_ButtonHelp(Integer selector)
{
    const bool today = selector == Help::TodayButtonHelp;
    const QList<QStringView> lines =
        today ? Mouse::helpLines(Feasts::todayGestures()) : Mouse::helpLines(DayInfo::diffGestures());
    m_dialogs.msgBox(Help::buttonHelpText(lines), MessageStyle::Information,
        Help::buttonHelpTitle(today ? m_cmdOggi->text() : m_cmdDiff->text()));
}

void Rur_Irozuvod::Show_Holidays(Integer year)
{
    m_dialogs.msgBox(
        Feasts::holidayListText(year), MessageStyle::Information, Feasts::holidayListTitle(year));
}

// The year of the page shown, which may not be the selected day's.
void Rur_Irozuvod::Print_Year()
{
    printYearPage(this, static_cast<Integer>(m_calendar->calendarWidget()->yearShown()));
}

void Rur_Irozuvod::warn(const QString &text)
{
    m_dialogs.msgBox(text, MessageStyle::Warning, windowTitle());
}
