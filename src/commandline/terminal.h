#pragma once

#include <QString>

#include <cstdio>

// How the program's answers reach a terminal, and how it ends when they
// cannot, or when there is no screen to open its window on.
namespace CommandLine
{

// An answer not written, or a window not opened: the machine failed, not
// what was typed.
inline constexpr int FailedStatus = 1;

// "fastorio: ..." lines for standard error, each ending in a line feed.
QString notWrittenText();
QString noDisplayText();

// Writes `text` in the encoding of the locale the environment names, where
// that encoding can show it, or in UTF-8 when `utf8` is set; false when it was
// not written whole.
bool write(std::FILE *stream, const QString &text, bool utf8 = false);

// Qt ends a program that cannot reach a window system with an abort and an
// English advice to reinstall it. While a DisplayCheck is armed, that end is
// noDisplayText() and FailedStatus instead; what Qt logs meanwhile is held
// back, and handed on when the check is passed.
class DisplayCheck
{
public:
    DisplayCheck();
    ~DisplayCheck() { passed(); }
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    void passed();
};

} // namespace CommandLine
