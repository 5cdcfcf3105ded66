// Dates::textToDate and Dates::isDate against an independent reading of
// "d/m/yy" and "d/m/yyyy", with its own month lengths and leap years.

#include "fuzzinput.h"

#include "platform/dates.h"

#include <QRegularExpression>

#include <optional>

namespace
{

int daysInMonth(int year, int month)
{
    if (month == 2) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

std::optional<QDate> expectedDate(const QString &ascii)
{
    static const QRegularExpression dateSyntax(
        QStringLiteral("\\A[ \\t]*+([0-9]{1,2})/([0-9]{1,2})/([0-9]{4}|[0-9]{2})[ \\t]*+\\z"));
    const QRegularExpressionMatch match = dateSyntax.match(ascii);
    if (!match.hasMatch())
        return std::nullopt;
    const int day = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    int year = match.captured(3).toInt();
    if (match.capturedLength(3) == 2)
        year += year < 30 ? 2000 : 1900;
    if (year < 100 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return QDate(year, month, day);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &text : typedTexts(data, size)) {
        const std::optional<QDate> date = Dates::textToDate(text);
        FUZZ_REQUIRE(Dates::isDate(text) == date.has_value());
        FUZZ_REQUIRE(date == expectedDate(asciiOnly(text)));
        if (!date)
            continue;
        FUZZ_REQUIRE(date->isValid() && *date >= QDate(100, 1, 1) && *date <= QDate(9999, 12, 31));
        const QString written = Dates::dateToText(*date);
        FUZZ_REQUIRE(written.size() == 10);
        FUZZ_REQUIRE(Dates::textToDate(written) == date);
    }
    return 0;
}
