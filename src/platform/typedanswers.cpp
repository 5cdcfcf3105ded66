#include "typedanswers.h"

#include "platform/dates.h"
#include "platform/numbertext.h"

namespace Dates
{

std::variant<Answer::NoAction, Answer::JumpTo, Answer::Warn> readDateAnswer(const QString &text)
{
    if (text.isEmpty())
        return Answer::NoAction {};
    if (const std::optional<QDate> date = textToDate(text))
        return Answer::JumpTo {*date};
    return Answer::Warn {invalidDateText()};
}

QString invalidDateText()
{
    return QStringLiteral("Attenzione: la data inserita non è valida.");
}

std::variant<Answer::NoAction, Year, Answer::Warn> readYearAnswer(const QString &text)
{
    if (text.isEmpty() || !Numbers::isNumeric(text))
        return Answer::NoAction {};
    const double value = Numbers::val(text);
    if (!isTypedYear(value))
        return Answer::Warn {invalidYearText()};
    // Inside the typed years the rounding always fits an Integer.
    return Year {Numbers::toIntegerHalfEven(value).value_or(Integer(0))};
}

QString invalidYearText()
{
    return QStringLiteral("Attenzione: l'anno inserito non è valido.");
}

} // namespace Dates
