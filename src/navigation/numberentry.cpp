#include "numberentry.h"

#include "platform/numbertext.h"
#include "searches.h"

namespace
{

// A number too big for 16 bits stays 0, which every range check refuses.
Integer wholeNumberOrZero(const QString &text)
{
    return Numbers::toIntegerHalfEven(Numbers::val(text)).value_or(0);
}

QString rangeMessage(const QString &prefix, int low, int high)
{
    return prefix + QString::number(low) + QStringLiteral(" e ") + QString::number(high);
}

} // namespace

namespace Navigation
{

const NumberEntry &weekEntry()
{
    static const NumberEntry entry {
        .label = QStringLiteral("Settimana numero:"),
        .example = QStringLiteral("(esempio: 22 oppure 22/2010)"),
        .title = QStringLiteral("Calcolo del primo giorno della settimana"),
        .offsetInterval = Dates::Interval::Week,
        .low = 1,
        .high = 53,
        .rangeMessagePrefix =
            QStringLiteral("Attenzione: il numero della settimana deve essere compreso tra "),
        .search = findWeekStart,
        .notFoundMessage = weekNotFoundMessage(),
    };
    return entry;
}

const NumberEntry &quarterEntry()
{
    static const NumberEntry entry {
        .label = QStringLiteral("Trimestre numero:"),
        .example = QStringLiteral("(esempio: 1 oppure 1/2010)"),
        .title = QStringLiteral("Calcolo del primo giorno del trimestre"),
        .offsetInterval = Dates::Interval::Quarter,
        .low = 1,
        .high = 4,
        .rangeMessagePrefix = QStringLiteral("Attenzione: il numero del trimestre deve essere compreso tra "),
        .search = findQuarterStart,
        .notFoundMessage = {}, // every quarter of an accepted year exists
    };
    return entry;
}

const NumberEntry &dayEntry()
{
    static const NumberEntry entry {
        .label = QStringLiteral("Giorno numero:"),
        .example = QStringLiteral("(esempio: 78 oppure 78/2010)"),
        .title = QStringLiteral("Calcolo del numero del giorno dell'anno"),
        .offsetInterval = Dates::Interval::Day,
        .low = 1,
        .high = 366,
        .rangeMessagePrefix = QStringLiteral("Attenzione: il numero del giorno deve essere compreso tra "),
        .search = findDayOfYear,
        .notFoundMessage = dayNotFoundMessage(),
    };
    return entry;
}

QString promptText(const NumberEntry &entry)
{
    return entry.label + QStringLiteral("\r\r") + entry.example;
}

Outcome readEntry(const NumberEntry &entry, const QString &answer, int clockYear)
{
    if (answer.isEmpty())
        return Answer::NoAction {};

    // Only a sign in the very first place makes an offset; whatever follows
    // the number, a year included, is ignored. A count too big for 16 bits
    // moves nothing.
    if (answer.startsWith(u'+') || answer.startsWith(u'-')) {
        const std::optional<Integer> count = Numbers::toIntegerFloor(Numbers::val(answer));
        if (!count)
            return Answer::NoAction {};
        return MoveBy {entry.offsetInterval, *count};
    }

    // "n/year": the number before the first slash, the year after the last one.
    Integer number = 0;
    int year = clockYear;
    const qsizetype firstSlash = answer.indexOf(u'/');
    if (firstSlash < 0) {
        number = wholeNumberOrZero(answer);
    } else {
        number = wholeNumberOrZero(answer.left(firstSlash));
        year = wholeNumberOrZero(answer.mid(answer.lastIndexOf(u'/') + 1));
    }

    if (number < entry.low || number > entry.high)
        return Answer::Warn {rangeMessage(entry.rangeMessagePrefix, entry.low, entry.high)};
    if (!Dates::isTypedYear(year))
        return Answer::Warn {rangeMessage(QStringLiteral("Attenzione: l'anno deve essere compreso tra "),
            Dates::FirstTypedYear, Dates::LastTypedYear)};

    if (const std::optional<QDate> found = entry.search(number, static_cast<Integer>(year)))
        return Answer::JumpTo {*found};
    return Answer::Warn {entry.notFoundMessage};
}

} // namespace Navigation
