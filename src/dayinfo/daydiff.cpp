#include "daydiff.h"

#include "platform/dates.h"

#include <cstdlib>

namespace DayInfo
{

const std::array<Mouse::Gesture<DiffAction>, 3> &diffGestures()
{
    using namespace Mouse;
    // clang-format off
    static constexpr std::array<Gesture<DiffAction>, 3> table {{
        {LeftButton, NoKeys, DiffAction::Arm, u"tasto sinistro: Selezione del primo giorno per il calcolo della differenza di date. Il secondo giorno verrà selezionato direttamente dal fastorio", u"Primo giorno per la differenza di date"},
        {LeftButton, ShiftKey, DiffAction::Disarm, u"shift + tasto sinistro: Deselezione del primo giorno", u"Deseleziona il primo giorno"},
        {RightButton, NoKeys, DiffAction::ShowHelp, {}, u"Spiega le funzioni del tasto"},
    }};
    // clang-format on
    return table;
}

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

} // namespace DayInfo
