#include "holidaycalendar.h"

#include "holidays.h"
#include "platform/version.h"

#include <QStringList>

namespace
{

constexpr qsizetype LineOctets = 75; // a folded line's continuation starts with a blank

// One content line: longer lines break before the 76th octet, or before the
// character that holds it.
QString folded(const QString &line)
{
    const QByteArray octets = line.toUtf8();
    QString text;
    qsizetype start = 0;
    qsizetype room = LineOctets;
    while (octets.size() - start > room) {
        qsizetype end = start + room;
        while ((octets[end] & 0xC0) == 0x80) // a continuation octet of UTF-8
            --end;
        text += QString::fromUtf8(octets.mid(start, end - start)) + QStringLiteral("\r\n ");
        start = end;
        room = LineOctets - 1;
    }
    return text + QString::fromUtf8(octets.mid(start)) + QStringLiteral("\r\n");
}

// A TEXT value: backslashes, semicolons, commas and line feeds escaped.
QString escaped(QStringView text)
{
    QString value = text.toString();
    return value.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u';', QStringLiteral("\\;"))
        .replace(u',', QStringLiteral("\\,"))
        .replace(u'\n', QStringLiteral("\\n"));
}

QString dateValue(QDate date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

namespace Feasts
{

QString calendarTextLine(QStringView name, QStringView text)
{
    return folded(name + u':' + escaped(text));
}

QString holidayCalendar(Integer firstYear, Integer lastYear, const QDateTime &stamp, const Comune *comune)
{
    const QString product = QString::fromUtf8(GeneratedVersion::productName);
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QStringList lines {QStringLiteral("BEGIN:VCALENDAR"), QStringLiteral("VERSION:2.0"),
        QStringLiteral("PRODID:-//") + product + QStringLiteral("//") + product + u' ' +
            QString::fromUtf8(GeneratedVersion::version) + QStringLiteral("//IT"),
        QStringLiteral("CALSCALE:GREGORIAN")};
    for (int year = firstYear; year <= lastYear; ++year) {
        for (const Holiday &holiday : holidays(Integer(year), comune)) {
            lines << QStringLiteral("BEGIN:VEVENT")
                  << QStringLiteral("UID:%1-%2@fastorio.github.io").arg(year).arg(holiday.rule)
                  << QStringLiteral("DTSTAMP:") + dtstamp
                  << QStringLiteral("DTSTART;VALUE=DATE:") + dateValue(holiday.date)
                  << QStringLiteral("DTEND;VALUE=DATE:") + dateValue(holiday.date.addDays(1))
                  << QStringLiteral("SUMMARY:") + escaped(holiday.name)
                  // A holiday leaves its day free for whatever else is planned.
                  << QStringLiteral("TRANSP:TRANSPARENT") << QStringLiteral("END:VEVENT");
        }
    }
    lines << QStringLiteral("END:VCALENDAR");
    QString text;
    for (const QString &line : lines)
        text += folded(line);
    return text;
}

} // namespace Feasts
