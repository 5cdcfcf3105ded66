#include "commandline.h"

#include "dayinfo/daydiff.h"
#include "dayinfo/inforow.h"
#include "feasts/easter.h"
#include "feasts/holidaycalendar.h"
#include "feasts/holidays.h"
#include "feasts/todaybutton.h"
#include "feasts/workingdays.h"
#include "help/about.h"
#include "platform/answers.h"
#include "platform/dates.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>
#include <optional>

namespace
{

using CommandLine::OpenWindow;
using CommandLine::Print;
using CommandLine::Refuse;
using Outcome = std::variant<OpenWindow, Print, Refuse>;

enum class Task { Window, Easter, Holidays, Calendar, Info, Difference, WorkingDays, Help, Version };

struct Option {
    Task task;
    QStringView name;
    QStringView valueName; // empty: the option takes no value
    QStringView operands; // the dates that follow it, as the help names them
    QStringView description;
};

// In the order of the help.
constexpr std::array<Option, 8> Options {{
    {Task::Easter, u"pasqua", u"ANNO", {}, u"stampa la data della Pasqua di ANNO"},
    {Task::Holidays, u"festivita", u"ANNO", {}, u"stampa le festività di ANNO, una per riga"},
    {Task::Calendar, u"ics", {}, {}, u"con --festivita, stampa un file iCalendar"},
    {Task::Info, u"info", u"DATA", {}, u"stampa trimestre, settimana e giorno dell'anno"},
    {Task::Difference, u"differenza", {}, u"DATA1 DATA2", u"stampa i giorni tra DATA1 e DATA2"},
    {Task::WorkingDays, u"lavorativi", {}, u"DATA1 DATA2", u"stampa i giorni lavorativi tra DATA1 e DATA2"},
    {Task::Help, u"help", {}, {}, u"mostra questo aiuto ed esce"},
    {Task::Version, u"version", {}, {}, u"mostra la versione ed esce"},
}};

// --help and --version answer alone; --ics only changes what --festivita prints.
bool printsAnswer(const Option &option)
{
    return option.task != Task::Help && option.task != Task::Version && option.task != Task::Calendar;
}

qsizetype operandCount(const Option &option)
{
    return option.operands.isEmpty() ? 0 : option.operands.count(u' ') + 1;
}

// The messages name the program as it is installed, whatever the file is called.
QString program()
{
    return QStringLiteral("fastorio");
}

// "--pasqua=ANNO", "--differenza DATA1 DATA2"
QString synopsis(const Option &option)
{
    QString text = QStringLiteral("--") + option.name;
    if (!option.valueName.isEmpty())
        text += u'=' + option.valueName;
    if (!option.operands.isEmpty())
        text += u' ' + option.operands;
    return text;
}

// "  first  second" rows, every second in one column after the longest first.
QString columns(const QList<std::pair<QString, QStringView>> &rows)
{
    qsizetype width = 0;
    for (const auto &row : rows)
        width = std::max(width, row.first.size());
    QString text;
    for (const auto &[first, second] : rows)
        text += QStringLiteral("  ") + first.leftJustified(width) + QStringLiteral("  ") + second + u'\n';
    return text;
}

// Laid out as GNU programs do, which is also what help2man reads to write the
// manual page.
QString helpText()
{
    QString text = QStringLiteral("Uso: ") + program() + QStringLiteral(" [DATA]\n");
    QList<std::pair<QString, QStringView>> options;
    for (const Option &option : Options) {
        if (printsAnswer(option))
            text += QStringLiteral("  o: ") + program() + u' ' + synopsis(option) + u'\n';
        options.append({synopsis(option), option.description});
    }
    text += QStringLiteral("Apre il calendario sul giorno DATA, o su oggi. Con un'opzione stampa invece la\n"
                           "risposta che darebbe la finestra, senza aprirla.\n\n"
                           "Opzioni:\n") +
        columns(options);
    text += QStringLiteral("\nLe date si scrivono GG/MM/AAAA, come nella finestra; ANNO va dal ") +
        QString::number(Dates::FirstTypedYear) + QStringLiteral(" al ") +
        QString::number(Dates::LastTypedYear) +
        QStringLiteral(".\n\n"
                       "--festivita accetta anche un intervallo di anni, ANNO1-ANNO2, e stampa ogni\n"
                       "anno sotto il suo titolo. Con --ics stampa un file iCalendar da importare nel\n"
                       "proprio calendario: fastorio --festivita 2027 --ics > festivita.ics\n\n"
                       "--info scrive su una riga le didascalie della riga sotto il calendario,\n"
                       "ognuna seguita dal suo numero, separate da spazi.\n\n"
                       "--lavorativi conta i giorni dal lunedì al venerdì che non sono festivi (il\n"
                       "Carnevale si lavora), DATA1 e DATA2 comprese, date in qualsiasi ordine.\n\n"
                       "Stato d'uscita:\n"
                       "  0  risposta stampata, o finestra chiusa\n"
                       "  1  risposta non scritta (disco pieno, uscita chiusa) o finestra non aperta\n"
                       "     (nessuno schermo raggiungibile): il motivo va sullo standard error\n"
                       "  2  dato non valido o opzioni errate: il motivo va sullo standard error\n"
                       "     e la finestra non si apre\n\n"
                       "Esempi:\n");
    const QList<std::pair<QStringView, QStringView>> examples {
        {u"31/05/2010", u"apre il calendario sul 31 maggio 2010"},
        {u"--pasqua 2010", u"stampa la data della Pasqua del 2010"},
        {u"--festivita 2026-2027", u"stampa le festività del 2026 e del 2027"},
        {u"--festivita 2027 --ics", u"stampa il file iCalendar del 2027"},
        {u"--info 31/05/2010", u"stampa la riga del 31 maggio 2010"},
        {u"--differenza 1/3/10 31/3/10", u"stampa i giorni dal 1° al 31 marzo 2010"},
        {u"--lavorativi 1/3/27 31/3/27", u"conta i giorni lavorativi di marzo 2027"},
    };
    QList<std::pair<QString, QStringView>> rows;
    for (const auto &[example, effect] : examples)
        rows.append({program() + u' ' + example, effect});
    return text + columns(rows);
}

// GNU's layout: "program (package) version", then the legal lines.
QString versionText()
{
    const Help::VersionInfo info = Help::programVersionInfo();
    return program() + QStringLiteral(" (") + info.productName + QStringLiteral(") ") +
        QString::number(info.major) + u'.' + QString::number(info.minor) + u'.' +
        QString::number(info.revision) + u'\n' + info.legalNotice +
        QStringLiteral(".\n"
                       "Rilasciato con licenza MIT.\n"
                       "Questo è software libero: lo si può modificare e ridistribuire.\n"
                       "Non c'è ALCUNA GARANZIA, nei limiti permessi dalla legge.\n");
}

// Input the window would refuse: its own warning.
Refuse warning(const QString &text)
{
    return {program() + QStringLiteral(": ") + text + u'\n'};
}

// Options the program does not take, or takes otherwise.
Refuse usageError(const QString &problem)
{
    return {program() + QStringLiteral(": ") + problem + QStringLiteral("\nUsare \"") + program() +
        QStringLiteral(" --help\" per ulteriori informazioni.\n")};
}

// Qt's parser explains a failure in English; this walk finds the first
// faulty argument again to say what is wrong with it in Italian.
QString parseProblem(const QStringList &arguments)
{
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        if (argument == u"--")
            break;
        if (!argument.startsWith(u'-') || argument.size() == 1)
            continue;
        const QString typed = argument.section(u'=', 0, 0);
        const auto option = std::find_if(Options.begin(), Options.end(), [&typed](const Option &candidate) {
            return typed == QStringLiteral("--") + candidate.name;
        });
        const QString quoted = u'"' + typed + u'"';
        if (option == Options.end())
            return QStringLiteral("opzione ") + quoted + QStringLiteral(" non riconosciuta");
        const bool valueAttached = typed.size() < argument.size();
        if (option->valueName.isEmpty() && valueAttached)
            return QStringLiteral("l'opzione ") + quoted + QStringLiteral(" non accetta argomenti");
        if (!option->valueName.isEmpty() && !valueAttached && ++index == arguments.size())
            return QStringLiteral("l'opzione ") + quoted + QStringLiteral(" richiede un argomento");
    }
    return QStringLiteral("argomenti non validi");
}

// Read as the prompts read them; what a prompt takes as a cancel (an empty
// text, a year that is no number) is refused here like any other bad value.
std::optional<QDate> readDate(const QString &text)
{
    const auto answer = Feasts::readDateAnswer(text);
    if (const auto *jump = std::get_if<Answer::JumpTo>(&answer))
        return jump->date;
    return std::nullopt;
}

std::optional<Integer> readYear(const QString &text)
{
    const auto answer = Feasts::readYearAnswer(text);
    if (const auto *year = std::get_if<Feasts::Year>(&answer))
        return year->value;
    return std::nullopt;
}

struct Years {
    Integer first;
    Integer last;
    bool range; // named as ANNO1-ANNO2, even when both are one year
};

// "2027", or "2026-2027": each year read as the year prompts read it.
std::variant<Years, Refuse> readYears(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype dash = trimmed.indexOf(u'-', 1); // a minus in front belongs to the year
    const std::optional<Integer> first = readYear(dash < 0 ? text : trimmed.left(dash));
    const std::optional<Integer> last = dash < 0 ? first : readYear(trimmed.mid(dash + 1));
    if (!first || !last)
        return warning(Feasts::invalidYearText());
    if (*first > *last)
        return warning(QStringLiteral("Attenzione: il primo anno viene dopo il secondo."));
    return Years {*first, *last, dash >= 0};
}

// Each year's list after the window's title for it, a blank line between years.
QString holidayLists(const Years &years)
{
    if (!years.range)
        return Feasts::holidayListText(years.first) + u'\n';
    QStringList lists;
    for (int year = years.first; year <= years.last; ++year)
        lists << Feasts::holidayListTitle(Integer(year)) + u'\n' + Feasts::holidayListText(Integer(year)) +
                u'\n';
    return lists.join(u'\n');
}

bool hasHolidayList(QDate day)
{
    return day.year() >= Dates::FirstTypedYear && day.year() <= Dates::LastTypedYear;
}

// "Dal 01/03/2027 al 31/03/2027 ci sono 22 giorni lavorativi", the earlier day first.
QString workingDaysLine(QDate start, QDate end)
{
    const auto [first, last] = std::minmax(start, end);
    const qint64 count = Feasts::workingDays(first, last);
    const QString days =
        QStringLiteral("Dal ") + Dates::dateToText(first) + QStringLiteral(" al ") + Dates::dateToText(last);
    if (count == 1)
        return days + QStringLiteral(" c'è 1 giorno lavorativo");
    return days + QStringLiteral(" ci sono ") + QString::number(count) + QStringLiteral(" giorni lavorativi");
}

// "Trimestre: 2 Settimana: 22 Giorno dell'anno: 151"
QString infoLine(QDate day)
{
    const std::array<int, 3> values = DayInfo::rowValues(day);
    QStringList items;
    for (std::size_t index = 0; index < values.size(); ++index)
        items << DayInfo::rowItems()[index].caption + u' ' + QString::number(values[index]);
    return items.join(u' ');
}

// `inputs`: the option's value, if it takes one, then its operands.
Outcome answer(Task task, const QStringList &inputs)
{
    switch (task) {
    case Task::Easter: {
        const std::optional<Integer> year = readYear(inputs[0]);
        if (!year)
            return warning(Feasts::invalidYearText());
        return Print {Dates::dateToText(Feasts::Calc_Easter(*year)) + u'\n'};
    }
    case Task::Holidays:
    case Task::Calendar: {
        const auto years = readYears(inputs[0]);
        if (const auto *refusal = std::get_if<Refuse>(&years))
            return *refusal;
        const Years &named = std::get<Years>(years);
        if (task == Task::Calendar)
            return Print {
                Feasts::holidayCalendar(named.first, named.last, QDateTime::currentDateTimeUtc()), true};
        return Print {holidayLists(named)};
    }
    case Task::Info: {
        const std::optional<QDate> day = readDate(inputs[0]);
        if (!day)
            return warning(Feasts::invalidDateText());
        return Print {infoLine(*day) + u'\n'};
    }
    case Task::Difference:
    case Task::WorkingDays: {
        const std::optional<QDate> start = readDate(inputs[0]);
        const std::optional<QDate> end = readDate(inputs[1]);
        if (!start || !end)
            return warning(Feasts::invalidDateText());
        if (task == Task::Difference)
            return Print {DayInfo::dayDiffMessage(*start, *end) + u'\n'};
        if (!hasHolidayList(*start) || !hasHolidayList(*end))
            return warning(Feasts::invalidYearText());
        return Print {workingDaysLine(*start, *end) + u'\n'};
    }
    case Task::Window: {
        if (inputs.isEmpty())
            return OpenWindow {};
        const std::optional<QDate> day = readDate(inputs[0]);
        if (!day)
            return warning(Feasts::invalidDateText());
        return OpenWindow {*day};
    }
    case Task::Help:
        return Print {helpText()};
    case Task::Version:
        return Print {versionText()};
    }
    return OpenWindow {};
}

} // namespace

namespace CommandLine
{

std::variant<OpenWindow, Print, Refuse> read(const QStringList &arguments)
{
    QCommandLineParser parser;
    for (const Option &option : Options) {
        parser.addOption(QCommandLineOption(
            option.name.toString(), option.description.toString(), option.valueName.toString()));
    }
    if (!parser.parse(arguments))
        return usageError(parseProblem(arguments));

    QList<const Option *> chosen;
    bool asCalendar = false;
    for (const Option &option : Options) {
        if (!parser.isSet(option.name.toString()))
            continue;
        if (option.task == Task::Calendar)
            asCalendar = true;
        else
            chosen << &option;
    }
    // As in GNU programs, asking for help or the version overrides the rest.
    for (const Option *option : chosen) {
        if (option->task == Task::Help || option->task == Task::Version)
            return answer(option->task, {});
    }
    if (chosen.size() > 1) {
        return usageError(QStringLiteral("le opzioni \"--") + chosen[0]->name + QStringLiteral("\" e \"--") +
            chosen[1]->name + QStringLiteral("\" si escludono a vicenda"));
    }
    if (asCalendar && (chosen.isEmpty() || chosen[0]->task != Task::Holidays))
        return usageError(QStringLiteral("l'opzione \"--ics\" si usa solo con \"--festivita\""));

    // Without an option, one date at most: the day the window opens on.
    const QStringList operands = parser.positionalArguments();
    QStringList inputs;
    Task task = Task::Window;
    qsizetype maxOperands = 1;
    if (!chosen.isEmpty()) {
        const Option &option = *chosen[0];
        task = asCalendar ? Task::Calendar : option.task;
        maxOperands = operandCount(option);
        if (!option.valueName.isEmpty())
            inputs << parser.value(option.name.toString());
        if (operands.size() < maxOperands) {
            return usageError(QStringLiteral("l'opzione \"--") + option.name +
                QStringLiteral("\" richiede ") + option.operands);
        }
    }
    if (operands.size() > maxOperands)
        return usageError(QStringLiteral("operando in eccesso \"") + operands[maxOperands] + u'"');
    return answer(task, inputs + operands);
}

} // namespace CommandLine
