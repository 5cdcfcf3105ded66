#include "todaybutton.h"

#include "platform/numbertext.h"

namespace
{

struct GestureRow {
    Integer button;
    Integer shift;
    TodayGesture gesture;
};

constexpr GestureRow gestureTable[] = {
    {1, 0, TodayGesture::GoToToday},
    {1, 1, TodayGesture::GoToTypedDate},
    {2, 0, TodayGesture::ShowHelp},
    {2, 1, TodayGesture::GoToEaster},
    {2, 2, TodayGesture::ShowHolidays},
};

constexpr double firstAcceptedYear = 1900;
constexpr double lastAcceptedYear = 2100;

// The prompts break lines with carriage returns only.
QString promptWithExample(const QString &question, const QString &example)
{
    return question + QStringLiteral("\r\r(esempio:  ") + example + u')';
}

} // namespace

TodayGesture todayGesture(Integer button, Integer shift)
{
    for (const GestureRow &row : gestureTable) {
        if (row.button == button && row.shift == shift)
            return row.gesture;
    }
    return TodayGesture::None;
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

QString invalidDateMessage()
{
    return QStringLiteral("Attenzione: la data inserita non è valida.");
}

QString invalidYearMessage()
{
    return QStringLiteral("Attenzione: l'anno inserito non è valido.");
}

QString defaultYearText(Integer calendarYear, int clockYear)
{
    return QString::number(calendarYear > 0 ? int(calendarYear) : clockYear);
}

YearAnswer readYearAnswer(const QString &text)
{
    if (text.isEmpty() || !Numbers::isNumeric(text))
        return {YearAnswer::EarlyEnd, 0};
    const double value = Numbers::val(text);
    if (value < firstAcceptedYear || value > lastAcceptedYear)
        return {YearAnswer::Invalid, 0};
    // Inside the accepted range the rounding always fits an Integer.
    return {YearAnswer::Accepted, *Numbers::toIntegerHalfEven(value)};
}
