#include "inforow.h"

#include "platform/dates.h"

namespace
{

// `goal` completes "Doppio clic o Alt+T per ...".
DayInfo::RowItem rowItem(const QString &caption, const QString &boxToolTip, char accessKey,
    const QString &actionName, const QString &goal)
{
    const QString keys =
        QStringLiteral("Doppio clic o Alt+") + QLatin1Char(accessKey) + QStringLiteral(" per ") + goal;
    return {caption, boxToolTip, accessKey, actionName, keys, boxToolTip + QStringLiteral(". ") + keys};
}

} // namespace

namespace DayInfo
{

const std::array<RowItem, 3> &rowItems()
{
    static const std::array<RowItem, 3> items {{
        rowItem(QStringLiteral("Trimestre:"),
            QStringLiteral("Numero del trimestre relativo al giorno selezionato"), 'T',
            QStringLiteral("Vai a un trimestre…"), QStringLiteral("andare al primo giorno di un trimestre")),
        rowItem(QStringLiteral("Settimana:"),
            QStringLiteral("Numero della settimana relativo al giorno selezionato"), 'S',
            QStringLiteral("Vai a una settimana…"),
            QStringLiteral("andare al primo giorno di una settimana")),
        rowItem(QStringLiteral("Giorno dell'anno:"),
            QStringLiteral("Numero del giorno dall'inizio dell'anno"), 'G',
            QStringLiteral("Vai a un giorno dell'anno…"), QStringLiteral("andare a un giorno dell'anno")),
    }};
    return items;
}

std::array<int, 3> rowValues(QDate day)
{
    return {Dates::quarter(day), Dates::isoWeek(day), Dates::dayOfYear(day)};
}

} // namespace DayInfo
