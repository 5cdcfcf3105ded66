#include "commandline.h"

#include "dayinfo/daydiff.h"
#include "dayinfo/inforow.h"
#include "feasts/easter.h"
#include "feasts/holidaycalendar.h"
#include "feasts/holidays.h"
#include "help/about.h"
#include "platform/answers.h"
#include "platform/dates.h"
#include "platform/typedanswers.h"

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

// What the arguments ask for. `inputs`: the option's value, if it takes one,
// then its operands.
struct Request {
    Task task;
    QStringList inputs;
};

struct Years {
    Integer first;
    Integer last;
    bool range; // named as ANNO1-ANNO2, even when both are one year
};

// In the order they are defined below, each before what it calls.
std::variant<Request, Refuse> parse(const QStringList &arguments);
QString usageProblem(const QStringList &arguments);
const Option *findOption(QStringView typed);
bool isOptionLike(const QString &argument);
QString quoted(QStringView text);
Refuse usageError(const QString &problem);
QString program();
std::variant<Request, Refuse> request(const QCommandLineParser &parser);
std::variant<Request, Refuse> taskRequest(
    const Option *option, bool asCalendar, const QCommandLineParser &parser);
qsizetype operandCount(const Option &option);
Outcome answer(const Request &request);
Outcome easterAnswer(const QString &yearText);
std::optional<Integer> readYear(const QString &text);
std::optional<QDate> readDate(const QString &text);
Refuse warning(const QString &text);
Outcome holidaysAnswer(const QString &yearsText, bool asCalendar);
std::variant<Years, Refuse> readYears(const QString &text);
QString holidayLists(const Years &years);
Outcome infoAnswer(const QString &dayText);
QString infoLine(QDate day);
Outcome twoDaysAnswer(Task task, const QString &startText, const QString &endText);
QString workingDaysLine(QDate start, QDate end);
Outcome windowAnswer(const QStringList &dayText);
QString helpText();
QString usageLines();
bool printsAnswer(const Option &option);
QString synopsis(const Option &option);
QString optionColumns();
QString columns(const QList<std::pair<QString, QStringView>> &rows);
QString notes();
QString exampleColumns();
QString versionText();

} // namespace

namespace CommandLine
{

std::variant<OpenWindow, Print, Refuse> read(const QStringList &arguments)
{
    const auto request = parse(arguments);
    if (const auto *refusal = std::get_if<Refuse>(&request))
        return *refusal;
    return answer(std::get<Request>(request));
}

} // namespace CommandLine

namespace
{

std::variant<Request, Refuse> parse(const QStringList &arguments)
{
    if (const QString problem = usageProblem(arguments); !problem.isEmpty())
        return usageError(problem);
    QCommandLineParser parser;
    for (const Option &option : Options) {
        parser.addOption(QCommandLineOption(
            option.name.toString(), option.description.toString(), option.valueName.toString()));
    }
    if (!parser.parse(arguments))
        return usageError(QStringLiteral("argomenti non validi"));
    return request(parser);
}

// Qt's parser explains a failure in English, and takes whatever follows an
// option as its value; this walk says in Italian what is wrong, or nothing.
QString usageProblem(const QStringList &arguments)
{
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        if (argument == u"--")
            break;
        if (!argument.startsWith(u'-') || argument.size() == 1)
            continue;
        const QString typed = argument.section(u'=', 0, 0);
        const Option *option = findOption(typed);
        if (!option)
            return QStringLiteral("opzione ") + quoted(typed) + QStringLiteral(" non riconosciuta");
        const bool valueAttached = typed.size() < argument.size();
        if (option->valueName.isEmpty() && valueAttached)
            return QStringLiteral("l'opzione ") + quoted(typed) + QStringLiteral(" non accetta argomenti");
        if (option->valueName.isEmpty() || valueAttached)
            continue;
        if (++index == arguments.size())
            return QStringLiteral("l'opzione ") + quoted(typed) + QStringLiteral(" richiede un argomento");
        if (isOptionLike(arguments[index])) {
            return QStringLiteral("l'opzione ") + quoted(typed) +
                QStringLiteral(" richiede un argomento prima di ") + quoted(arguments[index]);
        }
    }
    return {};
}

const Option *findOption(QStringView typed)
{
    const auto found = std::find_if(Options.begin(), Options.end(), [typed](const Option &option) {
        return typed.startsWith(u"--") && typed.sliced(2) == option.name;
    });
    return found == Options.end() ? nullptr : &*found;
}

// "--ics" or "-h", never a value; "-2010" may be a year.
bool isOptionLike(const QString &argument)
{
    return argument.startsWith(u"--") ||
        (argument.size() > 1 && argument[0] == u'-' && argument[1].isLetter());
}

QString quoted(QStringView text)
{
    return u'"' + text.toString() + u'"';
}

// Options the program does not take, or takes otherwise.
Refuse usageError(const QString &problem)
{
    return {program() + QStringLiteral(": ") + problem + QStringLiteral("\nUsare \"") + program() +
        QStringLiteral(" --help\" per ulteriori informazioni.\n")};
}

// The messages name the program as it is installed, whatever the file is called.
QString program()
{
    return QStringLiteral("fastorio");
}

std::variant<Request, Refuse> request(const QCommandLineParser &parser)
{
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
            return Request {option->task, {}};
    }
    if (chosen.size() > 1) {
        return usageError(QStringLiteral("le opzioni \"--") + chosen[0]->name + QStringLiteral("\" e \"--") +
            chosen[1]->name + QStringLiteral("\" si escludono a vicenda"));
    }
    if (asCalendar && (chosen.isEmpty() || chosen[0]->task != Task::Holidays))
        return usageError(QStringLiteral("l'opzione \"--ics\" si usa solo con \"--festivita\""));
    return taskRequest(chosen.isEmpty() ? nullptr : chosen[0], asCalendar, parser);
}

// Without an option, one date at most: the day the window opens on.
std::variant<Request, Refuse> taskRequest(
    const Option *option, bool asCalendar, const QCommandLineParser &parser)
{
    const QStringList operands = parser.positionalArguments();
    const qsizetype maxOperands = option ? operandCount(*option) : 1;
    if (option && operands.size() < maxOperands) {
        return usageError(QStringLiteral("l'opzione \"--") + option->name + QStringLiteral("\" richiede ") +
            option->operands);
    }
    if (operands.size() > maxOperands)
        return usageError(QStringLiteral("operando in eccesso ") + quoted(operands[maxOperands]));
    if (!option)
        return Request {Task::Window, operands};
    QStringList inputs;
    if (!option->valueName.isEmpty())
        inputs << parser.value(option->name.toString());
    return Request {asCalendar ? Task::Calendar : option->task, inputs + operands};
}

qsizetype operandCount(const Option &option)
{
    return option.operands.isEmpty() ? 0 : option.operands.count(u' ') + 1;
}

Outcome answer(const Request &request)
{
    const QStringList &inputs = request.inputs;
    switch (request.task) {
    case Task::Easter:
        return easterAnswer(inputs[0]);
    case Task::Holidays:
    case Task::Calendar:
        return holidaysAnswer(inputs[0], request.task == Task::Calendar);
    case Task::Info:
        return infoAnswer(inputs[0]);
    case Task::Difference:
    case Task::WorkingDays:
        return twoDaysAnswer(request.task, inputs[0], inputs[1]);
    case Task::Window:
        return windowAnswer(inputs);
    case Task::Help:
        return Print {helpText()};
    case Task::Version:
        return Print {versionText()};
    }
    return OpenWindow {};
}

Outcome easterAnswer(const QString &yearText)
{
    const std::optional<Integer> year = readYear(yearText);
    if (!year)
        return warning(Dates::invalidYearText());
    return Print {Dates::dateToText(Feasts::Calc_Easter(*year)) + u'\n'};
}

std::optional<Integer> readYear(const QString &text)
{
    const auto answer = Dates::readYearAnswer(text);
    if (const auto *year = std::get_if<Dates::Year>(&answer))
        return year->value;
    return std::nullopt;
}

// Read as the prompts read them; what a prompt takes as a cancel (an empty
// text, a year that is no number) is refused here like any other bad value.
std::optional<QDate> readDate(const QString &text)
{
    const auto answer = Dates::readDateAnswer(text);
    if (const auto *jump = std::get_if<Answer::JumpTo>(&answer))
        return jump->date;
    return std::nullopt;
}

// Input the window would refuse: its own warning.
Refuse warning(const QString &text)
{
    return {program() + QStringLiteral(": ") + text + u'\n'};
}

Outcome holidaysAnswer(const QString &yearsText, bool asCalendar)
{
    const auto years = readYears(yearsText);
    if (const auto *refusal = std::get_if<Refuse>(&years))
        return *refusal;
    const Years &named = std::get<Years>(years);
    if (asCalendar)
        return Print {
            Feasts::holidayCalendar(named.first, named.last, QDateTime::currentDateTimeUtc()), true};
    return Print {holidayLists(named)};
}

// "2027", or "2026-2027": each year read as the year prompts read it.
std::variant<Years, Refuse> readYears(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype dash = trimmed.indexOf(u'-', 1); // a minus in front belongs to the year
    const std::optional<Integer> first = readYear(dash < 0 ? text : trimmed.left(dash));
    const std::optional<Integer> last = dash < 0 ? first : readYear(trimmed.mid(dash + 1));
    if (!first || !last)
        return warning(Dates::invalidYearText());
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

Outcome infoAnswer(const QString &dayText)
{
    const std::optional<QDate> day = readDate(dayText);
    if (!day)
        return warning(Dates::invalidDateText());
    return Print {infoLine(*day) + u'\n'};
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

// Working days are counted only where there is a holiday list.
Outcome twoDaysAnswer(Task task, const QString &startText, const QString &endText)
{
    const std::optional<QDate> start = readDate(startText);
    const std::optional<QDate> end = readDate(endText);
    if (!start || !end)
        return warning(Dates::invalidDateText());
    if (task == Task::Difference)
        return Print {DayInfo::dayDiffMessage(*start, *end) + u'\n'};
    if (!Dates::isTypedYear(start->year()) || !Dates::isTypedYear(end->year()))
        return warning(Dates::invalidYearText());
    return Print {workingDaysLine(*start, *end) + u'\n'};
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

Outcome windowAnswer(const QStringList &dayText)
{
    if (dayText.isEmpty())
        return OpenWindow {};
    const std::optional<QDate> day = readDate(dayText[0]);
    if (!day)
        return warning(Dates::invalidDateText());
    return OpenWindow {*day};
}

// Laid out as GNU programs do, which is also what help2man reads to write the
// manual page.
QString helpText()
{
    return usageLines() +
        QStringLiteral("Apre il calendario sul giorno DATA, o su oggi. Con un'opzione stampa invece la\n"
                       "risposta che darebbe la finestra, senza aprirla.\n\n"
                       "Opzioni:\n") +
        optionColumns() + notes() + QStringLiteral("Esempi:\n") + exampleColumns();
}

QString usageLines()
{
    QString text = QStringLiteral("Uso: ") + program() + QStringLiteral(" [DATA]\n");
    for (const Option &option : Options) {
        if (printsAnswer(option))
            text += QStringLiteral("  o: ") + program() + u' ' + synopsis(option) + u'\n';
    }
    return text;
}

// --help and --version answer alone; --ics only changes what --festivita prints.
bool printsAnswer(const Option &option)
{
    return option.task != Task::Help && option.task != Task::Version && option.task != Task::Calendar;
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

QString optionColumns()
{
    QList<std::pair<QString, QStringView>> rows;
    for (const Option &option : Options)
        rows.append({synopsis(option), option.description});
    return columns(rows);
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

QString notes()
{
    return QStringLiteral("\nLe date si scrivono GG/MM/AAAA, come nella finestra; ANNO va dal ") +
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
                       "     e la finestra non si apre\n\n");
}

QString exampleColumns()
{
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
    return columns(rows);
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

} // namespace
