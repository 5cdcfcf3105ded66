#include "todaybutton.h"

namespace
{

// The prompts break lines with carriage returns only.
QString promptWithExample(const QString &question, const QString &example)
{
    return question + QStringLiteral("\r\r(esempio:  ") + example + u')';
}

} // namespace

namespace Feasts
{

const std::array<Mouse::Gesture<TodayAction>, 6> &todayGestures()
{
    using namespace Mouse;
    // clang-format off
    static constexpr std::array<Gesture<TodayAction>, 6> table {{
        {LeftButton, NoKeys, TodayAction::GoToToday, u"tasto sinistro: Posizionamento sulla data odierna", u"Vai a oggi"},
        {LeftButton, ShiftKey, TodayAction::GoToTypedDate, u"shift + tasto sinistro: Posizionamento su di una data voluta", u"Vai a una data…"},
        {RightButton, ShiftKey, TodayAction::GoToEaster, u"shift + tasto destro: Posizionamento sulla data della Pasqua", u"Vai alla Pasqua di un anno…"},
        {RightButton, CtrlKey, TodayAction::ShowHolidays, u"crtl + tasto destro: Calcolo delle festività", u"Festività di un anno…"},
        // Ctrl+P in the window; no press of the mouse, so no help line.
        {NoButton, NoKeys, TodayAction::PrintYear, {}, u"Stampa il calendario dell'anno…"},
        {RightButton, NoKeys, TodayAction::ShowHelp, {}, u"Spiega le funzioni del tasto"},
    }};
    // clang-format on
    return table;
}

QString datePromptText()
{
    return promptWithExample(QStringLiteral("Data da ricercare:"), QStringLiteral("03/05/2001"));
}

QString datePromptTitle()
{
    return QStringLiteral("Ricerca di una data");
}

QString easterPromptText()
{
    return promptWithExample(
        QStringLiteral("Anno di cui calcolare il giorno di Pasqua:"), QStringLiteral("2010"));
}

QString easterPromptTitle()
{
    return QStringLiteral("Calcolo della pasqua");
}

QString holidaysPromptText()
{
    return promptWithExample(QStringLiteral("Anno di cui calcolare le festività:"), QStringLiteral("2010"));
}

QString holidaysPromptTitle()
{
    return QStringLiteral("Calcolo delle festività");
}

QString defaultYearText(Integer calendarYear, int clockYear)
{
    return QString::number(calendarYear > 0 ? int(calendarYear) : clockYear);
}

} // namespace Feasts
