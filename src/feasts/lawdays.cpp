#include "lawdays.h"

#include "comuni.h"
#include "dayrule.h"

namespace
{

using Feasts::FromEaster;

constexpr int Ever = 0;
constexpr int Still = 99999999;

constexpr int from(int year)
{
    return Feasts::dayNumber(year, 1, 1);
}

constexpr int through(int year)
{
    return Feasts::dayNumber(year, 12, 31);
}

// L.54 of 5 March 1977 abolished the days after it: 6 January 1977 was still
// off, 19 March 1977 no longer.
constexpr int BeforeL54Of1977 = Feasts::dayNumber(1977, 3, 4);
constexpr int BeforeRd1027 = Feasts::BeforeRd1027Of1913;

struct LawDay {
    Feasts::DayRule day;
    int first; // the first and last day it could be off, as dayNumber()
    int last;
};

// Acts: RD regio decreto, RDL regio decreto-legge, DLL decreto legislativo
// luogotenenziale, DLgs decreto legislativo, L. legge, DPR decreto del
// Presidente della Repubblica. Italy moves no day off that falls on a weekend.
// Carnevale was never a day off.
// clang-format off
constexpr LawDay lawDays[] = {
    // Capodanno
    {{1, 1}, Ever, Still},
    // Epifania: abolished by L.54/1977, restored by DPR 792/1985
    {{1, 6}, Ever, BeforeL54Of1977},
    {{1, 6}, from(1986), Still},
    // San Giuseppe: L.2765/1928; L.54/1977
    {{3, 19}, from(1929), BeforeL54Of1977},
    // Lunedì dell'Angelo: L.260/1949
    {{FromEaster, 1}, from(1950), Still},
    // Natale di Roma: RDL 833/1923; RDL 781/1941
    {{4, 21}, from(1923), through(1941)},
    // Liberazione: DLL 185/1946; L.260/1949
    {{4, 25}, from(1946), Still},
    // Festa del lavoro: DLL 185/1946
    {{5, 1}, from(1946), Still},
    // victory in Europe: DLL 185/1946; L.260/1949
    {{5, 8}, from(1946), through(1949)},
    // the Empire: L.661/1939; RDL 781/1941
    {{5, 9}, from(1939), through(1941)},
    // Festa della Repubblica: DLgs 387/1947; kept on the first Sunday of June
    // by L.54/1977, on 2 June again by L.336/2000
    {{6, 2}, from(1947), BeforeL54Of1977},
    {{6, 2}, from(2001), Still},
    // Ascensione: L.54/1977
    {{FromEaster, 39}, Ever, BeforeL54Of1977},
    // Corpus Domini: RD 1027/1913; RDL 2859/1923; L.54/1977
    {{FromEaster, 60}, Ever, BeforeRd1027},
    {{FromEaster, 60}, from(1924), BeforeL54Of1977},
    // Santi Pietro e Paolo: RD 1027/1913; RDL 2859/1923; L.54/1977; Roma's
    // alone from 1986
    {{6, 29}, Ever, BeforeRd1027},
    {{6, 29}, from(1924), BeforeL54Of1977},
    // Assunzione
    {{8, 15}, Ever, Still},
    // Natività di Maria: RD 1027/1913
    {{9, 8}, Ever, BeforeRd1027},
    // Presa di Roma: L.401/1895; L.1726/1930
    {{9, 20}, from(1895), through(1930)},
    // San Francesco d'Assisi: L.151/2025
    {{10, 4}, from(2026), Still},
    // Marcia su Roma: RDL 1779/1926, moved in 1927 by RDL 1922/1927 and in
    // 1929 by RDL 1827/1929, suspended by RDL 781/1941
    {{10, 28}, from(1926), through(1926)},
    {{10, 30}, from(1927), through(1927)},
    {{10, 28}, from(1928), through(1928)},
    {{10, 27}, from(1929), through(1929)},
    {{10, 28}, from(1930), through(1940)},
    // Ognissanti
    {{11, 1}, Ever, Still},
    // Vittoria, then Unità nazionale: RDL 1354/1922, moved as 28 October was,
    // restored by DLL 185/1946 and L.260/1949; kept on the first Sunday of
    // November by L.54/1977
    {{11, 4}, from(1922), through(1926)},
    {{11, 6}, from(1927), through(1927)},
    {{11, 4}, from(1928), through(1928)},
    {{11, 3}, from(1929), through(1929)},
    {{11, 4}, from(1930), through(1940)},
    {{11, 4}, from(1946), BeforeL54Of1977},
    // Immacolata: RD 1027/1913; RDL 2859/1923
    {{12, 8}, Ever, BeforeRd1027},
    {{12, 8}, from(1924), Still},
    // Natale
    {{12, 25}, Ever, Still},
    // Santo Stefano: L.260/1949
    {{12, 26}, from(1949), Still},
    // Single days, each by an act of its own. Garibaldi's centenary: L.366/1907
    {{7, 4}, from(1907), through(1907)},
    // Cavour's centenary: L.450/1910
    {{8, 10}, from(1910), through(1910)},
    // fifty years of the Kingdom
    {{3, 17}, from(1911), through(1911)},
    // Vittorio Emanuele II's centenary: RD 269/1920
    {{3, 14}, from(1920), through(1920)},
    // Dante's sixth centenary: RD 1208/1921
    {{9, 14}, from(1921), through(1921)},
    // San Francesco's seventh centenary: RD 1207/1925
    {{10, 4}, from(1926), through(1926)},
    // RDL 376/1938
    {{5, 3}, from(1938), through(1938)},
    // DLgs 2/1946 of the provisional head of state
    {{6, 11}, from(1946), through(1946)},
    // a hundred years of the Kingdom
    {{3, 17}, from(1961), through(1961)},
    // a hundred and fifty years: DL 5/2011
    {{3, 17}, from(2011), through(2011)},
};
// clang-format on

} // namespace

namespace Feasts
{

QList<QDate> lawDaysOff(Integer year, const Comune *comune)
{
    QList<QDate> days;
    for (const LawDay &lawDay : lawDays) {
        const std::optional<QDate> day = dayIn(lawDay.day, year);
        if (!day)
            continue;
        const int number = dayNumber(day->year(), day->month(), day->day());
        if (number >= lawDay.first && number <= lawDay.last)
            days << *day;
    }
    if (comune) {
        if (const std::optional<QDate> day = comuneDay(*comune, year))
            days << *day;
    }
    return days;
}

} // namespace Feasts
