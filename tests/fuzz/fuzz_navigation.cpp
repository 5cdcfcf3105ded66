// Navigation::readEntry() for the week, quarter and day prompts. Every answer
// must give a sane outcome; an answer written with plain digits is also
// checked against QDate's own week numbers, quarters and days of the year.

#include "fuzzinput.h"

#include "navigation/numberentry.h"

#include <iterator>
#include <optional>

namespace
{

using namespace Navigation;

// The clock years around the accepted 1900-2100, and one inside.
constexpr int clockYears[] = {1899, 1900, 2024, 2100, 2101};

enum class Kind { Week, Quarter, Day };

// The value of one to five plain digits; nothing for anything else.
std::optional<int> plainNumber(QStringView text)
{
    if (!isPlainDigits(text) || text.size() > 5)
        return std::nullopt;
    return text.toInt();
}

bool itemExists(Kind kind, int number, int year)
{
    switch (kind) {
    case Kind::Week:
        // A year has a week 53 when it begins or ends inside one.
        return number != 53 || QDate(year, 1, 1).weekNumber() == 53 || QDate(year, 12, 31).weekNumber() == 53;
    case Kind::Quarter:
        return true;
    case Kind::Day:
        return number != 366 || QDate::isLeapYear(year);
    }
    return false;
}

bool dateCarries(Kind kind, QDate date, int number)
{
    switch (kind) {
    case Kind::Week: {
        // Only a week 53 may be the previous year's, reached on 1 January.
        int isoYear = 0;
        return date.weekNumber(&isoYear) == number && (number == 53 || isoYear == date.year());
    }
    case Kind::Quarter:
        return date.month() == 3 * number - 2;
    case Kind::Day:
        return date.dayOfYear() == number;
    }
    return false;
}

void checkJump(Kind kind, QDate date)
{
    FUZZ_REQUIRE(date.isValid() && date.year() >= 1900 && date.year() <= 2100);
    if (kind == Kind::Week)
        FUZZ_REQUIRE(date.dayOfWeek() == Qt::Monday || (date.month() == 1 && date.day() == 1));
    if (kind == Kind::Quarter)
        FUZZ_REQUIRE(date.day() == 1 && date.month() % 3 == 1);
}

void checkAnswer(Kind kind, const NumberEntry &entry, const QString &answer, int clockYear)
{
    const Outcome outcome = readEntry(entry, answer, clockYear);
    const bool signFirst = answer.startsWith(u'+') || answer.startsWith(u'-');

    if (std::holds_alternative<NoAction>(outcome))
        FUZZ_REQUIRE(answer.isEmpty() || signFirst);
    if (const auto *move = std::get_if<MoveBy>(&outcome))
        FUZZ_REQUIRE(signFirst && move->interval == entry.offsetInterval);
    if (const auto *warning = std::get_if<Warn>(&outcome))
        FUZZ_REQUIRE(!signFirst && warning->text.startsWith(QStringLiteral("Attenzione: ")));
    const qsizetype firstSlash = answer.indexOf(u'/');
    if (const auto *jump = std::get_if<JumpTo>(&outcome)) {
        FUZZ_REQUIRE(!signFirst);
        checkJump(kind, jump->date);
        // Without a typed year the clock's year is the one searched.
        if (firstSlash < 0)
            FUZZ_REQUIRE(jump->date.year() == clockYear);
    }

    // "+n" and "-n" with plain digits: a move by exactly that much, or none
    // when the count does not fit 16 bits.
    if (signFirst) {
        if (const std::optional<int> count = plainNumber(QStringView(answer).mid(1))) {
            const int signedCount = answer.startsWith(u'-') ? -*count : *count;
            const auto *move = std::get_if<MoveBy>(&outcome);
            if (signedCount >= -32768 && signedCount <= 32767)
                FUZZ_REQUIRE(move && move->count == signedCount);
            else
                FUZZ_REQUIRE(std::holds_alternative<NoAction>(outcome));
        }
        return;
    }

    // "n" or "n/.../year" with plain digits: the item itself, or a warning.
    const std::optional<int> number =
        plainNumber(firstSlash < 0 ? QStringView(answer) : QStringView(answer).left(firstSlash));
    const std::optional<int> year = firstSlash < 0
        ? std::optional(clockYear)
        : plainNumber(QStringView(answer).mid(answer.lastIndexOf(u'/') + 1));
    if (!number || !year)
        return;
    const bool accepted = *number >= entry.low && *number <= entry.high && *year >= 1900 && *year <= 2100;
    const auto *jump = std::get_if<JumpTo>(&outcome);
    if (!accepted || !itemExists(kind, *number, *year)) {
        FUZZ_REQUIRE(std::holds_alternative<Warn>(outcome));
        return;
    }
    FUZZ_REQUIRE(jump && jump->date.year() == *year && dateCarries(kind, jump->date, *number));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::pair<Kind, const NumberEntry *> entries[] = {
        {Kind::Week, &weekEntry()},
        {Kind::Quarter, &quarterEntry()},
        {Kind::Day, &dayEntry()},
    };
    // One clock year per input keeps long inputs affordable; mutations that
    // change the length reach the others.
    const int clockYear = clockYears[size % std::size(clockYears)];
    for (const QString &answer : typedTexts(data, size)) {
        for (const auto &[kind, entry] : entries)
            checkAnswer(kind, *entry, answer, clockYear);
    }
    return 0;
}
