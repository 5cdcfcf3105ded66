#include "comuni.h"

#include "holidays.h"
#include "lawdays.h"

#include <algorithm>

namespace
{

using Feasts::Comune;
using Feasts::FromEaster;

constexpr QStringView He = u"patrono";
constexpr QStringView She = u"patrona";
constexpr QStringView They = u"patroni";

// RD 1027/1913 abolished the patron days that the decree of 1869 had kept;
// L.260/1949 restored them.
constexpr int PatronDaysRestored = 1950;

// The 107 provincial capitals, and the other capitals of Barletta-Andria-Trani,
// Forlì-Cesena and Pesaro e Urbino; their other names are the short forms
// people use ("Spezia") and the province's name where it is not the capital's
// ("Verbano-Cusio-Ossola"). Source of every row unless it says
// otherwise: python-holidays' Italian file (2025), which follows the Italian
// Wikipedia's list of the patron saints of provincial capitals. One day a
// comune; where sources name two, the row says which it keeps and why:
// - Fermo, Latina, Pordenone: python-holidays adds a second day (16 August;
//   6 July, Santa Maria Goretti; 8 September, Madonna delle Grazie). The
//   patron's own day is kept, as in the list of patrons.
// - Perugia: python-holidays named 29 January "Sant'Ercolano e San Lorenzo"
//   until 2024, then 11 August and 4 October, the feasts of Santa Chiara and
//   San Francesco, Assisi's saints. The city's own day off is San Costanzo's,
//   29 January (the Comune's and the Umbrian tourist board's calendars).
// - Ragusa: San Giorgio (23 April, Ragusa Ibla's) and San Giovanni Battista
//   (29 August, the city's patron since the two towns merged): 29 August.
// - Venezia: San Marco on 25 April, already the Liberation's day off, and the
//   Madonna della Salute on 21 November, when the city's offices and schools
//   close: 21 November, the day that is off because of the comune.
// - Vicenza: 25 April in older python-holidays, the Madonna di Monte Berico on
//   8 September now, the city's feast: 8 September.
// clang-format off
constexpr Comune capitals[] = {
    {u"Agrigento", {}, {2, 25}, u"San Gerlando", He},
    {u"Alessandria", {}, {11, 10}, u"San Baudolino", He},
    {u"Ancona", {}, {5, 4}, u"San Ciriaco", He},
    {u"Andria", {}, {9, 15, Qt::Sunday}, u"San Riccardo di Andria", He, u"la terza domenica di settembre"},
    {u"Aosta", u"Aoste", {9, 7}, u"San Grato", He},
    {u"Arezzo", {}, {8, 7}, u"San Donato d'Arezzo", He},
    {u"Ascoli Piceno", u"Ascoli", {8, 5}, u"Sant'Emidio", He},
    {u"Asti", {}, {5, 1, Qt::Tuesday}, u"San Secondo di Asti", He, u"il primo martedì di maggio"},
    {u"Avellino", {}, {2, 14}, u"San Modestino", He},
    {u"Bari", {}, {12, 6}, u"San Nicola", He},
    {u"Barletta", {}, {12, 30}, u"San Ruggero", He},
    {u"Belluno", {}, {11, 11}, u"San Martino", He},
    {u"Benevento", {}, {8, 24}, u"San Bartolomeo apostolo", He},
    {u"Bergamo", {}, {8, 26}, u"Sant'Alessandro di Bergamo", He},
    {u"Biella", {}, {12, 26}, u"Santo Stefano", He},
    {u"Bologna", {}, {10, 4}, u"San Petronio", He},
    // Provincial law 36/1992: Whit Monday instead of a patron's day.
    {u"Bolzano/Bozen", u"Bolzano|Bozen", {FromEaster, 50}, u"Lunedì di Pentecoste", u"festa", u"il lunedì dopo Pentecoste, dal 1993", 1993},
    {u"Brescia", {}, {2, 15}, u"Santi Faustino e Giovita", They},
    {u"Brindisi", {}, {9, 1, Qt::Sunday}, u"San Teodoro d'Amasea e San Lorenzo da Brindisi", They, u"la prima domenica di settembre"},
    {u"Cagliari", {}, {10, 30}, u"San Saturnino di Cagliari", He},
    {u"Caltanissetta", {}, {9, 29}, u"San Michele Arcangelo", He},
    {u"Campobasso", {}, {4, 23}, u"San Giorgio", He},
    {u"Carbonia", u"Sud Sardegna", {5, 12, Qt::Thursday}, u"San Ponziano", He, u"il giovedì dopo la seconda domenica di maggio"},
    {u"Caserta", {}, {1, 20}, u"San Sebastiano", He},
    {u"Catania", {}, {2, 5}, u"Sant'Agata", She},
    {u"Catanzaro", {}, {7, 16}, u"San Vitaliano", He},
    {u"Cesena", {}, {6, 24}, u"San Giovanni Battista", He},
    {u"Chieti", {}, {5, 11}, u"San Giustino di Chieti", He},
    {u"Como", {}, {8, 31}, u"Sant'Abbondio", He},
    {u"Cosenza", {}, {2, 12}, u"Madonna del Pilerio", She},
    {u"Cremona", {}, {11, 13}, u"Sant'Omobono", He},
    {u"Crotone", {}, {10, 9}, u"San Dionigi", He},
    {u"Cuneo", {}, {9, 29}, u"San Michele Arcangelo", He},
    {u"Enna", {}, {7, 2}, u"Madonna della Visitazione", She},
    {u"Fermo", {}, {8, 15}, u"Maria Santissima Assunta", She},
    {u"Ferrara", {}, {4, 23}, u"San Giorgio", He},
    {u"Firenze", {}, {6, 24}, u"San Giovanni Battista", He},
    {u"Foggia", {}, {3, 22}, u"Madonna dei Sette Veli", She},
    {u"Forlì", {}, {2, 4}, u"Madonna del Fuoco", She},
    {u"Frosinone", {}, {6, 20}, u"San Silverio", He},
    {u"Genova", {}, {6, 24}, u"San Giovanni Battista", He},
    {u"Gorizia", {}, {3, 16}, u"Santi Ilario e Taziano", They},
    {u"Grosseto", {}, {8, 10}, u"San Lorenzo", He},
    {u"Imperia", {}, {11, 26}, u"San Leonardo da Porto Maurizio", He},
    {u"Isernia", {}, {5, 19}, u"San Pietro Celestino", He},
    {u"L'Aquila", u"Aquila", {6, 10}, u"San Massimo d'Aveia", He},
    {u"La Spezia", u"Spezia", {3, 19}, u"San Giuseppe", He},
    {u"Latina", {}, {4, 25}, u"San Marco evangelista", He},
    {u"Lecce", {}, {8, 26}, u"Sant'Oronzo", He},
    {u"Lecco", {}, {12, 6}, u"San Nicola", He},
    {u"Livorno", {}, {5, 22}, u"Santa Giulia", She},
    {u"Lodi", {}, {1, 19}, u"San Bassiano", He},
    {u"Lucca", {}, {7, 12}, u"San Paolino di Lucca", He},
    {u"Macerata", {}, {8, 31}, u"San Giuliano l'ospitaliere", He},
    {u"Mantova", {}, {3, 18}, u"Sant'Anselmo da Baggio", He},
    {u"Massa", u"Massa-Carrara", {10, 4}, u"San Francesco d'Assisi", He},
    {u"Matera", {}, {7, 2}, u"Madonna della Bruna", She},
    {u"Messina", {}, {6, 3}, u"Madonna della Lettera", She},
    {u"Milano", {}, {12, 7}, u"Sant'Ambrogio", He},
    {u"Modena", {}, {1, 31}, u"San Geminiano", He},
    {u"Monza", u"Monza e Brianza|Monza e della Brianza", {6, 24}, u"San Giovanni Battista", He},
    {u"Napoli", {}, {9, 19}, u"San Gennaro", He},
    {u"Novara", {}, {1, 22}, u"San Gaudenzio", He},
    {u"Nuoro", {}, {8, 5}, u"Nostra Signora della Neve", She},
    {u"Oristano", {}, {2, 13}, u"Sant'Archelao", He},
    {u"Padova", {}, {6, 13}, u"Sant'Antonio di Padova", He},
    {u"Palermo", {}, {7, 15}, u"Santa Rosalia", She},
    {u"Parma", {}, {1, 13}, u"Sant'Ilario di Poitiers", He},
    {u"Pavia", {}, {12, 9}, u"San Siro", He},
    {u"Perugia", {}, {1, 29}, u"San Costanzo", He},
    {u"Pesaro", {}, {9, 24}, u"San Terenzio di Pesaro", He},
    {u"Pescara", {}, {10, 10}, u"San Cetteo", He},
    {u"Piacenza", {}, {7, 4}, u"Sant'Antonino di Piacenza", He},
    {u"Pisa", {}, {6, 17}, u"San Ranieri", He},
    {u"Pistoia", {}, {7, 25}, u"San Jacopo", He},
    {u"Pordenone", {}, {4, 25}, u"San Marco evangelista", He},
    {u"Potenza", {}, {5, 30}, u"San Gerardo di Potenza", He},
    {u"Prato", {}, {12, 26}, u"Santo Stefano", He},
    {u"Ragusa", {}, {8, 29}, u"San Giovanni Battista", He},
    {u"Ravenna", {}, {7, 23}, u"Sant'Apollinare", He},
    {u"Reggio di Calabria", u"Reggio Calabria", {4, 23}, u"San Giorgio", He},
    {u"Reggio nell'Emilia", u"Reggio Emilia", {11, 24}, u"San Prospero", He},
    {u"Rieti", {}, {12, 4}, u"Santa Barbara", She},
    {u"Rimini", {}, {10, 14}, u"San Gaudenzio", He},
    // Also a day off by law here alone from 1986 (DPR 792/1985).
    {u"Roma", {}, {6, 29}, u"Santi Pietro e Paolo", They},
    {u"Rovigo", {}, {11, 26}, u"San Bellino", He},
    {u"Salerno", {}, {9, 21}, u"San Matteo evangelista", He},
    {u"Sassari", {}, {12, 6}, u"San Nicola", He},
    {u"Savona", {}, {3, 18}, u"Nostra Signora della Misericordia", She},
    {u"Siena", {}, {12, 1}, u"Sant'Ansano", He},
    {u"Siracusa", {}, {12, 13}, u"Santa Lucia", She},
    {u"Sondrio", {}, {6, 19}, u"Santi Gervasio e Protasio", They},
    {u"Taranto", {}, {5, 10}, u"San Cataldo", He},
    {u"Teramo", {}, {12, 19}, u"San Berardo da Pagliara", He},
    {u"Terni", {}, {2, 14}, u"San Valentino", He},
    {u"Torino", {}, {6, 24}, u"San Giovanni Battista", He},
    {u"Trani", {}, {5, 3}, u"San Nicola Pellegrino", He},
    {u"Trapani", {}, {8, 7}, u"Sant'Alberto degli Abati", He},
    {u"Trento", {}, {6, 26}, u"San Vigilio", He},
    {u"Treviso", {}, {4, 27}, u"San Liberale", He},
    {u"Trieste", {}, {11, 3}, u"San Giusto", He},
    {u"Udine", {}, {7, 12}, u"Santi Ermacora e Fortunato", They},
    {u"Urbino", {}, {6, 1}, u"San Crescentino", He},
    {u"Varese", {}, {5, 8}, u"San Vittore il Moro", He},
    {u"Venezia", {}, {11, 21}, u"Madonna della Salute", She},
    {u"Verbania", u"Verbano-Cusio-Ossola", {5, 8}, u"San Vittore il Moro", He},
    {u"Vercelli", {}, {8, 1}, u"Sant'Eusebio di Vercelli", He},
    {u"Verona", {}, {5, 21}, u"San Zeno", He},
    {u"Vibo Valentia", u"Vibo", {3, 1}, u"San Leoluca", He},
    {u"Vicenza", {}, {9, 8}, u"Madonna di Monte Berico", She},
    {u"Viterbo", {}, {9, 4}, u"Santa Rosa da Viterbo", She},
};
// clang-format on

// The provinces with two or three capitals, which a province's name cannot
// lead to alone.
struct SharedProvince {
    QStringView name;
    QStringView capitals; // separated by "|"
};

constexpr SharedProvince sharedProvinces[] = {
    {u"Barletta-Andria-Trani", u"Barletta|Andria|Trani"},
    {u"Forlì-Cesena", u"Forlì|Cesena"},
    {u"Pesaro e Urbino", u"Pesaro|Urbino"},
};

// "L'Aquila", "l aquila" and "LAQUILA" read alike: letters alone, folded, accents dropped.
QString folded(QStringView name)
{
    QString letters;
    for (const QChar character : name.toString().normalized(QString::NormalizationForm_D)) {
        if (character.isLetter())
            letters += character.toCaseFolded();
    }
    return letters;
}

bool isFixedDay(const Comune &comune)
{
    return comune.when.isEmpty();
}

} // namespace

namespace Feasts
{

std::span<const Comune> comuni()
{
    return capitals;
}

const Comune *findComune(QStringView typed)
{
    const QString wanted = folded(typed);
    const auto found =
        std::find_if(std::begin(capitals), std::end(capitals), [&wanted](const Comune &comune) {
            if (folded(comune.name) == wanted)
                return true;
            const auto others = comune.otherNames.split(u'|');
            return std::any_of(others.begin(), others.end(), [&wanted](QStringView other) {
                return !other.isEmpty() && folded(other) == wanted;
            });
        });
    return found == std::end(capitals) ? nullptr : found;
}

QStringList sharedCapitals(QStringView typed)
{
    const QString wanted = folded(typed);
    for (const SharedProvince &province : sharedProvinces) {
        if (folded(province.name) == wanted)
            return province.capitals.toString().split(u'|');
    }
    return {};
}

std::optional<QDate> comuneDay(const Comune &comune, Integer year)
{
    const std::optional<QDate> day = dayIn(comune.day, year);
    if (!day)
        return std::nullopt;
    const int number = dayNumber(day->year(), day->month(), day->day());
    const bool kept = comune.firstYear != 0 ? year >= comune.firstYear
                                            : number <= BeforeRd1027Of1913 || year >= PatronDaysRestored;
    return kept ? day : std::nullopt;
}

QString comuneFeastName(const Comune &comune)
{
    return comune.feast.toString() + QStringLiteral(", ") + comune.role + QStringLiteral(" di ") +
        comune.name;
}

QString comuneLine(const Comune &comune)
{
    const QString when = isFixedDay(comune)
        ? QString::number(comune.day.day) + u' ' + monthName(comune.day.month).toString().toLower()
        : comune.when.toString();
    return comune.name.toString() + QStringLiteral(": ") + when + QStringLiteral(" (") + comune.feast + u')';
}

QString comuneKey(const Comune &comune)
{
    return folded(comune.name);
}

} // namespace Feasts
