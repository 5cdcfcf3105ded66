// readYearAnswer(), the year typed at the "M" button's Easter and holiday
// prompts: whatever the text, an accepted year lies in 1900-2100.

#include "fuzzinput.h"

#include "feasts/todaybutton.h"
#include "platform/numbertext.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &text : typedTexts(data, size)) {
        const YearAnswer answer = readYearAnswer(text);
        const bool numeric = Numbers::isNumeric(text);
        switch (answer.kind) {
        case YearAnswer::EarlyEnd:
            FUZZ_REQUIRE(!numeric);
            break;
        case YearAnswer::Invalid:
            FUZZ_REQUIRE(numeric);
            break;
        case YearAnswer::Accepted:
            FUZZ_REQUIRE(numeric);
            FUZZ_REQUIRE(answer.year >= 1900 && answer.year <= 2100);
            FUZZ_REQUIRE(std::fabs(answer.year - Numbers::val(text)) <= 0.5);
            break;
        }

        // A year written with plain digits needs no rounding to be judged.
        bool fits = false;
        const int plainYear = text.toInt(&fits);
        if (isPlainDigits(text) && fits) {
            const bool inRange = plainYear >= 1900 && plainYear <= 2100;
            FUZZ_REQUIRE(answer.kind == (inRange ? YearAnswer::Accepted : YearAnswer::Invalid));
            if (inRange)
                FUZZ_REQUIRE(answer.year == plainYear);
        }
    }
    return 0;
}
