#include "inforow.h"

#include "platform/dates.h"

namespace DayInfo
{

const std::array<RowItem, 3> &rowItems()
{
    static const std::array<RowItem, 3> items {{
        {QStringLiteral("Trimestre:"), QStringLiteral("Numero del trimestre relativo al giorno selezionato"),
            QStringLiteral("Doppio clic per andare al primo giorno di un trimestre")},
        {QStringLiteral("Settimana:"),
            QStringLiteral("Numero della settimana relativo al giorno selezionato"),
            QStringLiteral("Doppio clic per andare al primo giorno di una settimana")},
        {QStringLiteral("Giorno dell'anno:"), QStringLiteral("Numero del giorno dall'inizio dell'anno"),
            QStringLiteral("Doppio clic per andare a un giorno dell'anno")},
    }};
    return items;
}

std::array<int, 3> rowValues(QDate day)
{
    return {Dates::quarter(day), Dates::isoWeek(day), Dates::dayOfYear(day)};
}

} // namespace DayInfo
