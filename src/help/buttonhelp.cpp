#include "buttonhelp.h"

#include "dayinfo/daydiff.h"
#include "feasts/todaybutton.h"

#include <QStringList>

namespace
{

// Numbered from 1 in the table's order: "1) tasto sinistro: ...".
template<class Table>
QStringList helpLines(const Table &table)
{
    QStringList lines;
    for (const auto &row : table) {
        if (!row.helpLine.isEmpty())
            lines << QStringLiteral("%1) ").arg(lines.size() + 1) + row.helpLine;
    }
    return lines;
}

} // namespace

namespace Help
{

QString buttonHelpTitle(const QString &caption)
{
    return QStringLiteral("Funzioni del tasto ") + caption;
}

QString buttonHelpText(Integer selector)
{
    QStringList lines;
    if (selector == TodayButtonHelp)
        lines = helpLines(Feasts::todayGestures());
    else if (selector == DiffButtonHelp)
        lines = helpLines(DayInfo::diffGestures());
    return QStringLiteral("Selezione con:\r\r") + lines.join(QChar(u'\r'));
}

QString buttonKeysHint()
{
    return QStringLiteral(
        "Spazio o Invio come il tasto sinistro; tasto Menu o Maiusc+F10 per tutte le funzioni");
}

} // namespace Help
