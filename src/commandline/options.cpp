#include "options.h"

#include <QCommandLineParser>

#include <algorithm>
#include <optional>

namespace
{

using namespace CommandLine;

// The options found: at most one that prints an answer, and what changes it.
struct Chosen {
    QList<const Option *> answers;
    bool asCalendar = false;
    std::optional<QString> comuneName; // as typed after --comune
    const Feasts::Comune *comune = nullptr; // the comune of that name, if any
    const Option *repeated = nullptr; // an option with a value, given twice
};

// The arguments become a request or a refusal: first what Qt's parser cannot
// say in Italian, then Qt's parser, then which options go together.
class OptionReader
{
public:
    static std::variant<Request, Refuse> parse(const QStringList &arguments)
    {
        if (const QString problem = usageProblem(arguments); !problem.isEmpty())
            return usageError(problem);
        QCommandLineParser parser;
        for (const Option &option : Options) {
            parser.addOption(QCommandLineOption(
                option.name.toString(), option.description.toString(), option.valueName.toString()));
        }
        if (!parser.parse(withSignedOperands(arguments)))
            return usageError(QStringLiteral("argomenti non validi"));
        return request(parser);
    }

private:
    // Qt's parser takes "-1" for an option: a signed number is an operand, or an
    // option's value, which a blank in front (the readers drop it) leaves it.
    static QStringList withSignedOperands(const QStringList &arguments)
    {
        QStringList kept = arguments;
        for (qsizetype index = 1; index < kept.size() && kept[index] != u"--"; ++index) {
            if (!isOptionLike(kept[index]) && kept[index].startsWith(u'-'))
                kept[index].prepend(u' ');
        }
        return kept;
    }

    // Qt's parser explains a failure in English, and takes whatever follows an
    // option as its value; this walk says in Italian what is wrong, or nothing.
    static QString usageProblem(const QStringList &arguments)
    {
        for (qsizetype index = 1; index < arguments.size(); ++index) {
            const QString &argument = arguments[index];
            if (argument == u"--")
                break;
            if (!isOptionLike(argument))
                continue;
            const QString typed = argument.section(u'=', 0, 0);
            const Option *option = findOption(typed);
            if (!option)
                return QStringLiteral("opzione ") + quoted(typed) + QStringLiteral(" non riconosciuta");
            const bool valueAttached = typed.size() < argument.size();
            if (option->valueName.isEmpty() && valueAttached)
                return QStringLiteral("l'opzione ") + quoted(typed) +
                    QStringLiteral(" non accetta argomenti");
            if (option->valueName.isEmpty() || valueAttached)
                continue;
            if (++index == arguments.size())
                return QStringLiteral("l'opzione ") + quoted(typed) +
                    QStringLiteral(" richiede un argomento");
            if (isOptionLike(arguments[index])) {
                return QStringLiteral("l'opzione ") + quoted(typed) +
                    QStringLiteral(" richiede un argomento prima di ") + quoted(arguments[index]);
            }
        }
        return {};
    }

    static const Option *findOption(QStringView typed)
    {
        const auto found = std::find_if(Options.begin(), Options.end(), [typed](const Option &option) {
            return typed.startsWith(u"--") && typed.sliced(2) == option.name;
        });
        return found == Options.end() ? nullptr : &*found;
    }

    // "--ics" or "-h", never a value; "-2010" may be a year.
    static bool isOptionLike(const QString &argument)
    {
        return argument.startsWith(u"--") ||
            (argument.size() > 1 && argument[0] == u'-' && argument[1].isLetter());
    }

    // What the user typed, as one safe line: a control character (a line
    // feed, a terminal's escape) shows as "?", a long text is cut.
    static QString quoted(QStringView text)
    {
        constexpr qsizetype Longest = 60;
        QString shown;
        for (const QChar character : text)
            shown += character.category() == QChar::Other_Control ? u'?' : character;
        if (shown.size() > Longest)
            shown = shown.left(shown[Longest - 1].isHighSurrogate() ? Longest - 1 : Longest) + u'…';
        return u'"' + shown + u'"';
    }

    // Options the program does not take, or takes otherwise.
    static Refuse usageError(const QString &problem)
    {
        return {program() + QStringLiteral(": ") + problem + QStringLiteral("\nUsare \"") + program() +
            QStringLiteral(" --help\" per ulteriori informazioni.\n")};
    }

    static std::variant<Request, Refuse> request(const QCommandLineParser &parser)
    {
        const Chosen chosen = chosenOptions(parser);
        // As in GNU programs, asking for help or the version overrides the rest.
        for (const Option *option : chosen.answers) {
            if (option->task == Task::Help || option->task == Task::Version)
                return Request {option->task, {}};
        }
        if (const std::optional<Refuse> refusal = misuse(chosen))
            return *refusal;
        return taskRequest(chosen, parser);
    }

    static Chosen chosenOptions(const QCommandLineParser &parser)
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
        for (const Option &option : Options) {
            if (!option.valueName.isEmpty() && parser.values(option.name.toString()).size() > 1)
                chosen.repeated = &option;
        }
        chosen.comune = chosen.comuneName ? Feasts::findComune(*chosen.comuneName) : nullptr;
        return chosen;
    }

    // Options that cannot go together or given twice, a modifier without what it
    // modifies, or a comune that is not known.
    static std::optional<Refuse> misuse(const Chosen &chosen)
    {
        const QList<const Option *> &answers = chosen.answers;
        if (answers.size() > 1) {
            return usageError(QStringLiteral("le opzioni \"--") + answers[0]->name +
                QStringLiteral("\" e \"--") + answers[1]->name + QStringLiteral("\" si escludono a vicenda"));
        }
        if (chosen.repeated) {
            return usageError(QStringLiteral("l'opzione \"--") + chosen.repeated->name +
                QStringLiteral("\" si usa una volta sola"));
        }
        const Task task = answers.isEmpty() ? Task::Window : answers[0]->task;
        if (chosen.asCalendar && task != Task::Holidays)
            return usageError(QStringLiteral("l'opzione \"--ics\" si usa solo con \"--festivita\""));
        if (chosen.comuneName && task != Task::Holidays && task != Task::WorkingDays &&
            task != Task::Deadline && task != Task::YearPage) {
            return usageError(QStringLiteral(
                "l'opzione \"--comune\" si usa solo con \"--lavorativi\", \"--scadenza\", \"--festivita\" o "
                "\"--calendario\""));
        }
        if (chosen.comuneName && !chosen.comune)
            return unknownComune(chosen.comuneName->trimmed());
        return std::nullopt;
    }

    // A province with several capitals is named, with them, as a warning.
    static Refuse unknownComune(const QString &name)
    {
        const QStringList capitals = Feasts::sharedCapitals(name);
        if (capitals.isEmpty()) {
            return warning(QStringLiteral("Attenzione: il comune ") + quoted(name) +
                QStringLiteral(" non è tra quelli noti (li elenca \"fastorio --comuni\")."));
        }
        QStringList names;
        for (const QString &capital : capitals)
            names << quoted(capital);
        return warning(QStringLiteral("Attenzione: la provincia ") + quoted(name) +
            QStringLiteral(" ha più capoluoghi: si scriva ") + names.sliced(0, names.size() - 1).join(u", ") +
            QStringLiteral(" o ") + names.last() + u'.');
    }

    // Without an option, one date at most: the day the window opens on.
    static std::variant<Request, Refuse> taskRequest(const Chosen &chosen, const QCommandLineParser &parser)
    {
        const Option *option = chosen.answers.isEmpty() ? nullptr : chosen.answers[0];
        const QStringList operands = parser.positionalArguments();
        const qsizetype maxOperands = option ? operandCount(*option) : 1;
        if (option && operands.size() < maxOperands) {
            return usageError(QStringLiteral("l'opzione \"--") + option->name +
                QStringLiteral("\" richiede ") + option->operands);
        }
        if (operands.size() > maxOperands)
            return usageError(
                QStringLiteral("operando in eccesso ") + quoted(operands[maxOperands].trimmed()));
        if (!option)
            return Request {Task::Window, operands};
        QStringList inputs;
        if (!option->valueName.isEmpty())
            inputs << parser.value(option->name.toString());
        return Request {chosen.asCalendar ? Task::Calendar : option->task, inputs + operands, chosen.comune};
    }

    static qsizetype operandCount(const Option &option)
    {
        return option.operands.isEmpty() ? 0 : option.operands.count(u' ') + 1;
    }
};

} // namespace

namespace CommandLine
{

std::variant<Request, Refuse> readOptions(const QStringList &arguments)
{
    return OptionReader::parse(arguments);
}

QString program()
{
    return QStringLiteral("fastorio");
}

Refuse warning(const QString &text)
{
    return {program() + QStringLiteral(": ") + text + u'\n'};
}

} // namespace CommandLine
