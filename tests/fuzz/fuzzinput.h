#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Helpers shared by the fuzzers of the parsers of typed text.

// A broken property stops the run; libFuzzer saves the input that broke it.
#define FUZZ_REQUIRE(condition)                                                                              \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            fuzzPropertyBroken(#condition, __FILE__, __LINE__);                                              \
    } while (false)

[[noreturn]] inline void fuzzPropertyBroken(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::abort();
}

// The bytes as two texts: UTF-8, as a dialog hands typed text over, and
// UTF-16, which also reaches unpaired surrogates and code points that the
// UTF-8 decoder replaces.
inline std::array<QString, 2> typedTexts(const uint8_t *data, size_t size)
{
    std::u16string units(size / 2, u'\0');
    // Copied rather than cast: the fuzzer's buffer need not be aligned for char16_t.
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    return {QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)),
        QString::fromUtf16(units.data(), qsizetype(units.size()))};
}

// The typed syntaxes are pure ASCII: any other character, an unpaired
// surrogate included, can stand as '#' for the independent readers below,
// which then never hand invalid UTF-16 to QRegularExpression.
inline QString asciiOnly(const QString &text)
{
    QString ascii = text;
    for (QChar &c : ascii) {
        if (c.unicode() > 0x7f)
            c = QLatin1Char('#');
    }
    return ascii;
}

// True for one or more ASCII digits and nothing else.
inline bool isPlainDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}
