#pragma once

#include "commandline.h"
#include "feasts/comuni.h"

#include <array>

// The options the command line takes and what reading them asks for; the
// answers are made in commandline.cpp.
namespace CommandLine
{

enum class Task {
    Window,
    Easter,
    Holidays,
    Calendar,
    YearPage,
    Info,
    Difference,
    WorkingDays,
    Deadline,
    Comune,
    Comuni,
    Help,
    Version
};

struct Option {
    Task task;
    QStringView name;
    QStringView valueName; // empty: the option takes no value
    QStringView operands; // the dates that follow it, as the help names them
    QStringView description;
};

// In the order of the help.
inline constexpr std::array<Option, 12> Options {{
    {Task::Easter, u"pasqua", u"ANNO", {}, u"stampa la data della Pasqua di ANNO"},
    {Task::Holidays, u"festivita", u"ANNO", {}, u"stampa le festività di ANNO, una per riga"},
    {Task::Calendar, u"ics", {}, {}, u"con --festivita, stampa un file iCalendar"},
    {Task::YearPage, u"calendario", u"ANNO", {}, u"scrive il calendario di ANNO, una pagina PDF"},
    {Task::Info, u"info", u"DATA", {}, u"stampa trimestre, settimana e giorno dell'anno"},
    {Task::Difference, u"differenza", {}, u"DATA1 DATA2", u"stampa i giorni tra DATA1 e DATA2"},
    {Task::WorkingDays, u"lavorativi", {}, u"DATA1 DATA2", u"stampa i giorni lavorativi tra DATA1 e DATA2"},
    {Task::Deadline, u"scadenza", {}, u"DATA N", u"stampa il giorno N giorni lavorativi dopo DATA"},
    {Task::Comune, u"comune", u"NOME", {}, u"conta anche il giorno di festa del comune NOME"},
    {Task::Comuni, u"comuni", {}, {}, u"elenca i comuni noti, con il loro giorno"},
    {Task::Help, u"help", {}, {}, u"mostra questo aiuto ed esce"},
    {Task::Version, u"version", {}, {}, u"mostra la versione ed esce"},
}};

// What the arguments ask for. `inputs`: the option's value, if it takes one,
// then its operands.
struct Request {
    Task task;
    QStringList inputs;
    const Feasts::Comune *comune = nullptr; // named by --comune
};

std::variant<Request, Refuse> readOptions(const QStringList &arguments);

// The messages name the program as it is installed, whatever the file is called.
QString program();

// Input the window would refuse: its own warning.
Refuse warning(const QString &text);

} // namespace CommandLine
