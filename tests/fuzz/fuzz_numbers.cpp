// Numbers::val, Numbers::isNumeric and the two Integer conversions against an
// independent reading: a regular expression for the syntax, strtod (the C
// locale, never set otherwise here) for the value, nearbyint for halves.

#include "fuzzinput.h"

#include "platform/integer.h"
#include "platform/numbertext.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace
{

constexpr double integerMin = std::numeric_limits<Integer>::min();
constexpr double integerMax = std::numeric_limits<Integer>::max();

// Possessive quantifiers keep a 10 kB run of digits linear.
const QString numberSyntax = QStringLiteral("[+-]?+(?:[0-9]++(?:\\.[0-9]*+)?+|\\.[0-9]++)");

double expectedVal(const QString &ascii)
{
    static const QRegularExpression leadingNumber(
        QStringLiteral("\\A[ \\t]*+(") + numberSyntax + QStringLiteral(")"));
    const QRegularExpressionMatch match = leadingNumber.match(ascii);
    if (!match.hasMatch())
        return 0.0;
    return std::strtod(match.captured(1).toLatin1().constData(), nullptr);
}

bool expectedIsNumeric(const QString &ascii)
{
    static const QRegularExpression wholeNumber(
        QStringLiteral("\\A[ \\t]*+") + numberSyntax + QStringLiteral("[ \\t]*+\\z"));
    return wholeNumber.match(ascii).hasMatch();
}

void checkConversions(double value)
{
    const std::optional<Integer> floor = Numbers::toIntegerFloor(value);
    const bool floorFits = value >= integerMin && value < integerMax + 1.0; // false for NaN
    FUZZ_REQUIRE(floor.has_value() == floorFits);
    if (floor)
        FUZZ_REQUIRE(*floor <= value && value < *floor + 1.0);

    // In the default rounding mode nearbyint sends halves to the even neighbour.
    const double nearest = std::nearbyint(value);
    const std::optional<Integer> halfEven = Numbers::toIntegerHalfEven(value);
    FUZZ_REQUIRE(halfEven.has_value() == (nearest >= integerMin && nearest <= integerMax));
    if (halfEven)
        FUZZ_REQUIRE(*halfEven == nearest);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The leading bytes as a raw double reach NaN, infinities and huge values.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkConversions(raw);
    }

    for (const QString &text : typedTexts(data, size)) {
        const QString ascii = asciiOnly(text);
        const double value = Numbers::val(text);
        FUZZ_REQUIRE(!std::isnan(value));
        FUZZ_REQUIRE(value == expectedVal(ascii));
        FUZZ_REQUIRE(Numbers::isNumeric(text) == expectedIsNumeric(ascii));
        checkConversions(value);
    }
    return 0;
}
