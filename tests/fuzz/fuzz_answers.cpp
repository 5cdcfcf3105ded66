// Every typed answer goes through every reader, which must keep its promises
// whatever the text: an accepted date lies in range and survives a round trip,
// a refusal is one of the program's warnings; the sanitizers watch the rest.
#include "feasts/easter.h"
#include "feasts/todaybutton.h"
#include "navigation/numberentry.h"
#include "platform/dates.h"

#include <QSet>

#include <cstdlib>

namespace
{

const Navigation::NumberEntry *const entries[] = {
    &Navigation::weekEntry(), &Navigation::quarterEntry(), &Navigation::dayEntry()};
QSet<QString> warnings; // as the readers give them for answers known to be refused
bool collecting = true;

void require(bool promise)
{
    if (!promise)
        std::abort();
}

struct Promises {
    bool typedYear = true;
    void operator()(const Answer::JumpTo &jump) const
    {
        const int year = jump.date.year();
        require(Dates::inRange(jump.date) && Dates::textToDate(Dates::dateToText(jump.date)) == jump.date &&
            (!typedYear || (year >= Dates::FirstTypedYear && year <= Dates::LastTypedYear)));
    }
    void operator()(const Answer::Warn &warning) const
    {
        if (collecting)
            warnings << warning.text;
        require(warnings.contains(warning.text));
    }
    template<class Other>
    void operator()(const Other &) const
    {
    }
};

template<class Variant>
void check(const Variant &answer, bool typedYear = true)
{
    std::visit(Promises {typedYear}, answer);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    for (const Navigation::NumberEntry *entry : entries) {
        for (const char *refused : {"0", "1/1", "53/2011", "366/2011"})
            check(Navigation::readEntry(*entry, QString::fromLatin1(refused), 2011));
    }
    check(Feasts::readDateAnswer(QStringLiteral("x")));
    check(Feasts::readYearAnswer(QStringLiteral("1")));
    collecting = false;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<QDate> date = Dates::textToDate(text))
        check(std::variant<Answer::JumpTo> {Answer::JumpTo {*date}}, false);
    for (const Navigation::NumberEntry *entry : entries)
        check(Navigation::readEntry(*entry, text, 2011));
    check(Feasts::readDateAnswer(text), false);
    const auto year = Feasts::readYearAnswer(text);
    check(year);
    if (const auto *accepted = std::get_if<Feasts::Year>(&year))
        check(std::variant<Answer::JumpTo> {Answer::JumpTo {Feasts::Calc_Easter(accepted->value)}});
    return 0;
}
