// Every typed answer the program reads goes through every reader, which must
// keep their promises whatever the text: an accepted date lies in range and
// survives a round trip, a refusal is one of the program's warnings, and
// nothing crashes or overflows (the sanitizers watch for that).
#include "feasts/todaybutton.h"
#include "navigation/numberentry.h"
#include "platform/dates.h"
#include "platform/numbertext.h"

#include <QSet>

#include <cstdlib>

namespace
{

void require(bool promise)
{
    if (!promise)
        std::abort();
}

const Navigation::NumberEntry *const entries[] = {
    &Navigation::weekEntry(), &Navigation::quarterEntry(), &Navigation::dayEntry()};

constexpr int ClockYear = 2011;

// The warnings as the readers themselves give them for answers known to be refused.
const QSet<QString> &warnings()
{
    static const QSet<QString> texts = [] {
        QSet<QString> found;
        const auto add = [&found](const auto &outcome) {
            if (const auto *warning = std::get_if<Answer::Warn>(&outcome))
                found << warning->text;
        };
        for (const Navigation::NumberEntry *entry : entries) {
            for (const char *refused : {"0", "1/1", "53/2011", "366/2011"})
                add(Navigation::readEntry(*entry, QString::fromLatin1(refused), ClockYear));
        }
        add(Feasts::readDateAnswer(QStringLiteral("x")));
        add(Feasts::readYearAnswer(QStringLiteral("1")));
        return found;
    }();
    return texts;
}

void checkWarning(const Answer::Warn &warning)
{
    require(warnings().contains(warning.text));
}

void checkDate(QDate date, bool typedYear)
{
    require(Dates::inRange(date));
    require(!typedYear || (date.year() >= Dates::FirstTypedYear && date.year() <= Dates::LastTypedYear));
    require(Dates::textToDate(Dates::dateToText(date)) == date);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    if (const std::optional<QDate> date = Dates::textToDate(text))
        checkDate(*date, false);
    require(!Numbers::isNumeric(text) || Numbers::val(text) == Numbers::val(text.trimmed()));

    for (const Navigation::NumberEntry *entry : entries) {
        const Navigation::Outcome outcome = Navigation::readEntry(*entry, text, ClockYear);
        if (const auto *jump = std::get_if<Answer::JumpTo>(&outcome))
            checkDate(jump->date, true);
        else if (const auto *warning = std::get_if<Answer::Warn>(&outcome))
            checkWarning(*warning);
        else if (std::holds_alternative<Answer::NoAction>(outcome))
            require(text.isEmpty() || text.startsWith(u'+') || text.startsWith(u'-'));
    }

    const auto dateAnswer = Feasts::readDateAnswer(text);
    if (const auto *jump = std::get_if<Answer::JumpTo>(&dateAnswer))
        checkDate(jump->date, false);
    else if (const auto *warning = std::get_if<Answer::Warn>(&dateAnswer))
        checkWarning(*warning);

    const auto yearAnswer = Feasts::readYearAnswer(text);
    if (const auto *year = std::get_if<Feasts::Year>(&yearAnswer))
        require(year->value >= Dates::FirstTypedYear && year->value <= Dates::LastTypedYear);
    else if (const auto *warning = std::get_if<Answer::Warn>(&yearAnswer))
        checkWarning(*warning);
    return 0;
}
