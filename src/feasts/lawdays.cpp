#include "lawdays.h"

#include "comuni.h"
#include "dayrule.h"

namespace
{

using Feasts::FromEaster;

constexpr int Ever = 0;
constexpr int Still = 9999;

struct LawDay {
    Feasts::DayRule day;
    int firstYear; // the first and last year it was a day off
    int lastYear;
};

// Acts: RD regio decreto, RDL regio decreto-legge, DLL decreto legislativo
// luogotenenziale, DLgs decreto legislativo, L. legge, DPR decreto del
// Presidente della Repubblica. Italy moves no day off that falls on a weekend.
// Carnevale was never a day off. L.54 of 5 March 1977 abolished the days after
// it, so 6 January 1977 was still off and 19 March 1977 no longer.
constexpr LawDay lawDays[] = {
    {{1, 1}, Ever, Still}, // Capodanno
    {{1, 6}, Ever, 1977}, // Epifania: abolished by L.54/1977
    {{1, 6}, 1986, Still}, // restored by DPR 792/1985
    {{3, 19}, 1929, 1976}, // San Giuseppe: L.2765/1928; L.54/1977
    {{FromEaster, 1}, 1950, Still}, // Lunedì dell'Angelo: L.260/1949
    {{4, 21}, 1923, 1941}, // Natale di Roma: RDL 833/1923; RDL 781/1941
    {{4, 25}, 1946, Still}, // Liberazione: DLL 185/1946; L.260/1949
    {{5, 1}, 1946, Still}, // Festa del lavoro: DLL 185/1946
    {{5, 8}, 1946, 1949}, // victory in Europe: DLL 185/1946; L.260/1949
    {{5, 9}, 1939, 1941}, // the Empire: L.661/1939; RDL 781/1941
    // Festa della Repubblica: DLgs 387/1947; kept on the first Sunday of June
    // by L.54/1977, on 2 June again by L.336/2000.
    {{6, 2}, 1947, 1976}, {{6, 2}, 2001, Still}, {{FromEaster, 39}, Ever, 1976}, // Ascensione: L.54/1977
    {{FromEaster, 60}, Ever, 1913}, // Corpus Domini: RD 1027/1913
    {{FromEaster, 60}, 1924, 1976}, // RDL 2859/1923; L.54/1977
    {{6, 29}, Ever, 1913}, // Santi Pietro e Paolo: RD 1027/1913
    {{6, 29}, 1924, 1976}, // RDL 2859/1923; L.54/1977; Roma's alone from 1986
    {{8, 15}, Ever, Still}, // Assunzione
    {{9, 8}, Ever, 1912}, // Natività di Maria: RD 1027/1913
    {{9, 20}, 1895, 1930}, // Presa di Roma: L.401/1895; L.1726/1930
    {{10, 4}, 2026, Still}, // San Francesco d'Assisi: L.151/2025
    // Marcia su Roma: RDL 1779/1926, moved in 1927 by RDL 1922/1927 and in 1929
    // by RDL 1827/1929, suspended by RDL 781/1941.
    {{10, 28}, 1926, 1926}, {{10, 30}, 1927, 1927}, {{10, 28}, 1928, 1928}, {{10, 27}, 1929, 1929},
    {{10, 28}, 1930, 1940}, {{11, 1}, Ever, Still}, // Ognissanti
    // Vittoria, then Unità nazionale: RDL 1354/1922, moved as 28 October was,
    // restored by DLL 185/1946 and L.260/1949; kept on the first Sunday of
    // November by L.54/1977.
    {{11, 4}, 1922, 1926}, {{11, 6}, 1927, 1927}, {{11, 4}, 1928, 1928}, {{11, 3}, 1929, 1929},
    {{11, 4}, 1930, 1940}, {{11, 4}, 1946, 1976}, {{12, 8}, Ever, 1912}, // Immacolata: RD 1027/1913
    {{12, 8}, 1924, Still}, // RDL 2859/1923
    {{12, 25}, Ever, Still}, // Natale
    {{12, 26}, 1949, Still}, // Santo Stefano: L.260/1949
    // Single days, each by an act of its own.
    {{7, 4}, 1907, 1907}, // Garibaldi's centenary: L.366/1907
    {{8, 10}, 1910, 1910}, // Cavour's centenary: L.450/1910
    {{3, 17}, 1911, 1911}, // fifty years of the Kingdom
    {{3, 14}, 1920, 1920}, // Vittorio Emanuele II's centenary: RD 269/1920
    {{9, 14}, 1921, 1921}, // Dante's sixth centenary: RD 1208/1921
    {{10, 4}, 1926, 1926}, // San Francesco's seventh centenary: RD 1207/1925
    {{5, 3}, 1938, 1938}, // RDL 376/1938
    {{6, 11}, 1946, 1946}, // DLgs 2/1946 of the provisional head of state
    {{3, 17}, 1961, 1961}, // a hundred years of the Kingdom
    {{3, 17}, 2011, 2011}, // a hundred and fifty years: DL 5/2011
};

} // namespace

namespace Feasts
{

QList<QDate> lawDaysOff(Integer year, const Comune *comune)
{
    QList<QDate> days;
    for (const LawDay &lawDay : lawDays) {
        if (year < lawDay.firstYear || year > lawDay.lastYear)
            continue;
        if (const std::optional<QDate> day = dayIn(lawDay.day, year))
            days << *day;
    }
    if (comune) {
        if (const std::optional<QDate> day = comuneDay(*comune, year))
            days << *day;
    }
    return days;
}

} // namespace Feasts
