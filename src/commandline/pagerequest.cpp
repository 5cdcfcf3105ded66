#include "pagerequest.h"

namespace CommandLine
{

QString pageOnTerminalText(Integer year)
{
    const QString number = QString::number(year);
    return QStringLiteral("fastorio: il calendario è un file PDF, da non scrivere sul terminale: "
                          "reindirizzare l'uscita, per esempio fastorio --calendario ") +
        number + QStringLiteral(" > calendario-") + number + QStringLiteral(".pdf\n");
}

} // namespace CommandLine
