#include "buttonhelp.h"

#include <QStringList>

namespace Help
{

QString buttonHelpTitle(const QString &caption)
{
    return QStringLiteral("Funzioni del tasto ") + caption;
}

// Numbered from 1 in the table's order: "1) tasto sinistro: ...".
QString buttonHelpText(const QList<QStringView> &helpLines)
{
    QStringList lines;
    for (const QStringView line : helpLines)
        lines << QStringLiteral("%1) ").arg(lines.size() + 1) + line;
    return QStringLiteral("Selezione con:\r\r") + lines.join(QChar(u'\r'));
}

QString buttonKeysHint()
{
    return QStringLiteral(
        "Spazio o Invio come il tasto sinistro; tasto Menu o Maiusc+F10 per tutte le funzioni");
}

} // namespace Help
