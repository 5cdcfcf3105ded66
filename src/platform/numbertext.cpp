#include "numbertext.h"

namespace
{

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the number that starts at `from`, 0 when there is none.
qsizetype numberLength(const QString &text, qsizetype from)
{
    qsizetype i = from;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        qsizetype j = i + 1;
        while (j < text.size() && isAsciiDigit(text[j])) {
            ++j;
            ++digits;
        }
        if (digits > 0)
            i = j;
    }
    return digits > 0 ? i - from : 0;
}

qsizetype skipBlanks(const QString &text, qsizetype from)
{
    while (from < text.size() && isBlank(text[from]))
        ++from;
    return from;
}

} // namespace

namespace Numbers
{

double val(const QString &text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberLength(text, start);
    if (length == 0)
        return 0.0;
    // QString::toDouble reads the C locale whatever the user's locale is. A
    // digit run too long for a double comes back as infinity, which no
    // Integer conversion accepts.
    return QStringView(text).mid(start, length).toDouble();
}

bool isNumeric(const QString &text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberLength(text, start);
    return length > 0 && skipBlanks(text, start + length) == text.size();
}

} // namespace Numbers
