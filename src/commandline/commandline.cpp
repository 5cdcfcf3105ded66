#include "commandline.h"

#include "dayinfo/daydiff.h"
#include "dayinfo/inforow.h"
#include "feasts/comuni.h"
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

enum class Task {
    Window,
    Easter,
    Holidays,
    Calendar,
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
constexpr std::array<Option, 11> Options {{
    {Task::Easter, u"pasqua", u"ANNO", {}, u"stampa la data della Pasqua di ANNO"},
    {Task::Holidays, u"festivita", u"ANNO", {}, u"stampa le festività di ANNO, una per riga"},
    {Task::Calendar, u"ics", {}, {}, u"con --festivita, stampa un file iCalendar"},
    {Task::Info, u"info", u"DATA", {}, u"stampa trimestre, settimana e giorno dell'anno"},
    {Task::Difference, u"differenza", {}, u"DATA1 DATA2", u"stampa i giorni tra DATA1 e DATA2"},
    {Task::WorkingDays, u"lavorativi", {}, u"DATA1 DATA2", u"stampa i giorni lavorativi tra DATA1 e DATA2"},
    {Task::Deadline, u"scadenza", {}, u"DATA N", u"stampa il giorno N giorni lavorativi dopo DATA"},
    {Task::Comune, u"comune", u"NOME", {}, u"conta anche il giorno di festa del comune NOME"},
    {Task::Comuni, u"comuni", {}, {}, u"elenca i comuni noti, con il loro giorno"},
    {Task::Help, u"help", {}, {}, u"mostra questo aiuto ed esce"},
    {Task::Version, u"version", {}, {}, u"mostra la versione ed esce"},
}};

// --ics and --comune only change what another option prints.
bool isModifier(const Option &option)
{
    return option.task == Task::Calendar || option.task == Task::Comune;
}

// --help and --version answer alone.
bool printsAnswer(const Option &option)
{
    return option.task != Task::Help && option.task != Task::Version && !isModifier(option);
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

// What the options need said beyond their line, and the exit statuses.
QString notesText()
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
                       "--lavorativi conta i giorni dal lunedì al venerdì che non erano festivi per\n"
                       "la legge di quell'anno, DATA1 e DATA2 comprese, date in qualsiasi ordine.\n"
                       "L'elenco di --festivita nomina le feste; il conto segue la legge di ogni anno\n"
                       "(il 2 giugno si è lavorato dal 1977 al 2000, il Carnevale sempre).\n\n"
                       "--scadenza conta N giorni lavorativi dopo DATA, o prima se N è negativo,\n"
                       "senza contare DATA.\n\n"
                       "--comune aggiunge a --lavorativi, --scadenza e --festivita il giorno di festa\n"
                       "del comune dove si lavora, di solito il santo patrono; --comuni li elenca:\n"
                       "fastorio --lavorativi 1/12/26 31/12/26 --comune Milano\n\n"
                       "Stato d'uscita:\n"
                       "  0  risposta stampata, o finestra chiusa\n"
                       "  1  risposta non scritta (disco pieno, uscita chiusa) o finestra non aperta\n"
                       "     (nessuno schermo raggiungibile): il motivo va sullo standard error\n"
                       "  2  dato non valido o opzioni errate: il motivo va sullo standard error\n"
                       "     e la finestra non si apre\n");
}

QString examplesText()
{
    const QList<std::pair<QStringView, QStringView>> examples {
        {u"31/05/2010", u"apre il calendario sul 31 maggio 2010"},
        {u"--pasqua 2010", u"stampa la data della Pasqua del 2010"},
        {u"--festivita 2026-2027", u"stampa le festività del 2026 e del 2027"},
        {u"--festivita 2027 --ics", u"stampa il file iCalendar del 2027"},
        {u"--info 31/05/2010", u"stampa la riga del 31 maggio 2010"},
        {u"--differenza 1/3/10 31/3/10", u"stampa i giorni dal 1° al 31 marzo 2010"},
        {u"--lavorativi 1/3/27 31/3/27", u"conta i giorni lavorativi di marzo 2027"},
        {u"--scadenza 7/12/26 10", u"10 giorni lavorativi dopo il 7/12/2026"},
        {u"--scadenza 7/12/26 -1", u"1 giorno lavorativo prima del 7/12/2026"},
        {u"--comuni", u"elenca i comuni e il loro giorno di festa"},
    };
    QList<std::pair<QString, QStringView>> rows;
    for (const auto &[example, effect] : examples)
        rows.append({program() + u' ' + example, effect});
    return QStringLiteral("\nEsempi:\n") + columns(rows);
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
    return text +
        QStringLiteral("Apre il calendario sul giorno DATA, o su oggi. Con un'opzione stampa invece la\n"
                       "risposta che darebbe la finestra, senza aprirla.\n\n"
                       "Opzioni:\n") +
        columns(options) + notesText() + examplesText();
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
QString holidayLists(const Years &years, const Feasts::Comune *comune)
{
    if (!years.range)
        return Feasts::holidayListText(years.first, comune) + u'\n';
    QStringList lists;
    for (int year = years.first; year <= years.last; ++year)
        lists << Feasts::holidayListTitle(Integer(year)) + u'\n' +
                Feasts::holidayListText(Integer(year), comune) + u'\n';
    return lists.join(u'\n');
}

bool hasHolidayList(QDate day)
{
    return day.year() >= Dates::FirstTypedYear && day.year() <= Dates::LastTypedYear;
}

// "Dal 01/03/2027 al 31/03/2027 ci sono 22 giorni lavorativi", the earlier day first.
QString workingDaysLine(QDate start, QDate end, const Feasts::Comune *comune)
{
    const auto [first, last] = std::minmax(start, end);
    const qint64 count = Feasts::workingDays(first, last, comune);
    const QString days =
        QStringLiteral("Dal ") + Dates::dateToText(first) + QStringLiteral(" al ") + Dates::dateToText(last);
    if (count == 1)
        return days + QStringLiteral(" c'è 1 giorno lavorativo");
    return days + QStringLiteral(" ci sono ") + QString::number(count) + QStringLiteral(" giorni lavorativi");
}

// "10 giorni lavorativi dopo il 07/12/2026: Martedì 22/12/2026"
QString deadlineLine(QDate from, qint64 count, QDate reached)
{
    const qint64 days = std::abs(count);
    return QString::number(days) +
        (days == 1 ? QStringLiteral(" giorno lavorativo ") : QStringLiteral(" giorni lavorativi ")) +
        (count < 0 ? QStringLiteral("prima del ") : QStringLiteral("dopo il ")) + Dates::dateToText(from) +
        QStringLiteral(": ") + Feasts::weekdayName(reached) + u' ' + Dates::dateToText(reached);
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

Outcome holidaysAnswer(Task task, const QString &text, const Feasts::Comune *comune)
{
    const auto years = readYears(text);
    if (const auto *refusal = std::get_if<Refuse>(&years))
        return *refusal;
    const Years &named = std::get<Years>(years);
    if (task == Task::Calendar)
        return Print {
            Feasts::holidayCalendar(named.first, named.last, QDateTime::currentDateTimeUtc(), comune), true};
    return Print {holidayLists(named, comune)};
}

Outcome daysAnswer(Task task, const QStringList &inputs, const Feasts::Comune *comune)
{
    const std::optional<QDate> start = readDate(inputs[0]);
    const std::optional<QDate> end = readDate(inputs[1]);
    if (!start || !end)
        return warning(Feasts::invalidDateText());
    if (task == Task::Difference)
        return Print {DayInfo::dayDiffMessage(*start, *end) + u'\n'};
    if (!hasHolidayList(*start) || !hasHolidayList(*end))
        return warning(Feasts::invalidYearText());
    return Print {workingDaysLine(*start, *end, comune) + u'\n'};
}

// DATA N: N a whole number, signed; blanks around are the prompts' too.
Outcome deadlineAnswer(const QStringList &inputs, const Feasts::Comune *comune)
{
    const std::optional<QDate> from = readDate(inputs[0]);
    if (!from)
        return warning(Feasts::invalidDateText());
    if (!hasHolidayList(*from))
        return warning(Feasts::invalidYearText());
    bool isNumber = false;
    const qint64 count = inputs[1].trimmed().toLongLong(&isNumber);
    if (!isNumber)
        return warning(QStringLiteral("Attenzione: il numero di giorni lavorativi non è valido."));
    if (count == 0)
        return warning(QStringLiteral("Attenzione: il numero di giorni lavorativi non può essere zero."));
    const std::optional<QDate> reached = Feasts::deadline(*from, count, comune);
    if (!reached) {
        return warning(QStringLiteral("Attenzione: la scadenza cade fuori dagli anni dal ") +
            QString::number(Dates::FirstTypedYear) + QStringLiteral(" al ") +
            QString::number(Dates::LastTypedYear) + u'.');
    }
    return Print {deadlineLine(*from, count, *reached) + u'\n'};
}

QString comuniList()
{
    QString text;
    for (const Feasts::Comune &comune : Feasts::comuni())
        text += Feasts::comuneLine(comune) + u'\n';
    return text;
}

Outcome windowAnswer(const QStringList &inputs)
{
    if (inputs.isEmpty())
        return OpenWindow {};
    const std::optional<QDate> day = readDate(inputs[0]);
    if (!day)
        return warning(Feasts::invalidDateText());
    return OpenWindow {*day};
}

// `inputs`: the option's value, if it takes one, then its operands.
Outcome answer(Task task, const QStringList &inputs, const Feasts::Comune *comune)
{
    switch (task) {
    case Task::Easter: {
        const std::optional<Integer> year = readYear(inputs[0]);
        if (!year)
            return warning(Feasts::invalidYearText());
        return Print {Dates::dateToText(Feasts::Calc_Easter(*year)) + u'\n'};
    }
    case Task::Holidays:
    case Task::Calendar:
        return holidaysAnswer(task, inputs[0], comune);
    case Task::Info: {
        const std::optional<QDate> day = readDate(inputs[0]);
        if (!day)
            return warning(Feasts::invalidDateText());
        return Print {infoLine(*day) + u'\n'};
    }
    case Task::Difference:
    case Task::WorkingDays:
        return daysAnswer(task, inputs, comune);
    case Task::Deadline:
        return deadlineAnswer(inputs, comune);
    case Task::Comuni:
        return Print {comuniList()};
    case Task::Help:
        return Print {helpText()};
    case Task::Version:
        return Print {versionText()};
    case Task::Window:
    case Task::Comune:
        break;
    }
    return windowAnswer(inputs);
}

// Qt's parser takes "-1" for an option: a signed number is an operand, or an
// option's value, which a blank in front (the readers drop it) leaves it.
QStringList withSignedOperands(const QStringList &arguments)
{
    QStringList kept = arguments;
    for (qsizetype index = 1; index < kept.size() && kept[index] != u"--"; ++index) {
        if (kept[index].size() > 1 && kept[index][0] == u'-' && kept[index][1].isDigit())
            kept[index].prepend(u' ');
    }
    return kept;
}

struct Chosen {
    QList<const Option *> answers; // the options that print an answer
    bool asCalendar = false;
    std::optional<QString> comuneName; // as typed after --comune
    const Feasts::Comune *comune = nullptr; // the comune of that name, if any
};

Chosen chosenOptions(const QCommandLineParser &parser)
{
    Chosen chosen;
    for (const Option &option : Options) {
        if (!parser.isSet(option.name.toString()))
            continue;
        if (option.task == Task::Calendar)
            chosen.asCalendar = true;
        else if (option.task == Task::Comune)
            chosen.comuneName = parser.value(option.name.toString());
        else
            chosen.answers << &option;
    }
    chosen.comune = chosen.comuneName ? Feasts::findComune(*chosen.comuneName) : nullptr;
    return chosen;
}

// Options that cannot go together, a modifier without what it modifies, or a
// comune that is not known.
std::optional<Refuse> misuse(const Chosen &chosen)
{
    const QList<const Option *> &answers = chosen.answers;
    if (answers.size() > 1) {
        return usageError(QStringLiteral("le opzioni \"--") + answers[0]->name + QStringLiteral("\" e \"--") +
            answers[1]->name + QStringLiteral("\" si escludono a vicenda"));
    }
    const Task task = answers.isEmpty() ? Task::Window : answers[0]->task;
    if (chosen.asCalendar && task != Task::Holidays)
        return usageError(QStringLiteral("l'opzione \"--ics\" si usa solo con \"--festivita\""));
    if (chosen.comuneName && task != Task::Holidays && task != Task::WorkingDays && task != Task::Deadline) {
        return usageError(QStringLiteral(
            "l'opzione \"--comune\" si usa solo con \"--lavorativi\", \"--scadenza\" o \"--festivita\""));
    }
    if (chosen.comuneName && !chosen.comune) {
        return warning(QStringLiteral("Attenzione: il comune \"") + chosen.comuneName->trimmed() +
            QStringLiteral("\" non è tra quelli noti (li elenca \"fastorio --comuni\")."));
    }
    return std::nullopt;
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
    if (!parser.parse(withSignedOperands(arguments)))
        return usageError(parseProblem(arguments));

    const Chosen chosen = chosenOptions(parser);
    // As in GNU programs, asking for help or the version overrides the rest.
    for (const Option *option : chosen.answers) {
        if (option->task == Task::Help || option->task == Task::Version)
            return answer(option->task, {}, nullptr);
    }
    if (const std::optional<Refuse> refusal = misuse(chosen))
        return *refusal;
    // Without an option, one date at most: the day the window opens on.
    const QStringList operands = parser.positionalArguments();
    QStringList inputs;
    Task task = Task::Window;
    qsizetype maxOperands = 1;
    if (!chosen.answers.isEmpty()) {
        const Option &option = *chosen.answers[0];
        task = chosen.asCalendar ? Task::Calendar : option.task;
        maxOperands = operandCount(option);
        if (!option.valueName.isEmpty())
            inputs << parser.value(option.name.toString());
        if (operands.size() < maxOperands) {
            return usageError(QStringLiteral("l'opzione \"--") + option.name +
                QStringLiteral("\" richiede ") + option.operands);
        }
    }
    if (operands.size() > maxOperands)
        return usageError(QStringLiteral("operando in eccesso \"") + operands[maxOperands].trimmed() + u'"');
    return answer(task, inputs + operands, chosen.comune);
}

} // namespace CommandLine
