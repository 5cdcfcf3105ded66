#include "buttonhelp.h"

#include <QStringList>

namespace
{

QStringList gestureLines(Integer selector)
{
    switch (selector) {
    case TodayButtonHelp:
        return {
            QStringLiteral("1) tasto sinistro: Posizionamento sulla data odierna"),
            QStringLiteral("2) shift + tasto sinistro: Posizionamento su di una data voluta"),
            QStringLiteral("3) shift + tasto destro: Posizionamento sulla data della Pasqua"),
            QStringLiteral("4) crtl + tasto destro: Calcolo delle festività"),
        };
    case DiffButtonHelp:
        return {
            QStringLiteral("1) tasto sinistro: Selezione del primo giorno per il calcolo della differenza di "
                           "date. Il secondo giorno verrà selezionato direttamente dal fastorio"),
            QStringLiteral("2) shift + tasto sinistro: Deselezione del primo giorno"),
        };
    }
    return {};
}

} // namespace

QString buttonHelpTitle(const QString &caption)
{
    return QStringLiteral("Funzioni del tasto ") + caption;
}

QString buttonHelpText(Integer selector)
{
    return QStringLiteral("Selezione con:\r\r") + gestureLines(selector).join(QChar(u'\r'));
}
