#include "daydiff.h"

#include "platform/dates.h"

#include <cstdlib>

QString dayDiffMessage(QDate start, QDate end)
{
    const qint64 count = std::abs(Dates::daysBetween(start, end));
    const QString dates = QStringLiteral("Tra il ") + Dates::dateToText(start) + QStringLiteral(" ed il ") +
        Dates::dateToText(end);
    // Only one day is singular; no days at all reads "ci sono 0 giorni".
    if (count == 1)
        return dates + QStringLiteral(" c'è ") + QString::number(count) + QStringLiteral(" giorno");
    return dates + QStringLiteral(" ci sono ") + QString::number(count) + QStringLiteral(" giorni");
}

QString dayDiffTitle()
{
    return QStringLiteral("Calcolo del numero di giorni tra due date");
}
