#include "commandline.h"

#include "dayinfo/daydiff.h"
#include "dayinfo/inforow.h"
#include "feasts/easter.h"
#include "feasts/holidaycalendar.h"
#include "feasts/holidays.h"
#include "feasts/workingdays.h"
#include "help/about.h"
#include "options.h"
#include "platform/answers.h"
#include "platform/dates.h"
#include "platform/typedanswers.h"

#include <algorithm>
#include <optional>

namespace
{

using namespace CommandLine;
using Outcome = std::variant<OpenWindow, Print, Refuse, PrintPage>;

struct Years {
    Integer first;
    Integer last;
    bool range; // named as ANNO1-ANNO2, even when both are one year
};

// A request becomes the answer the window would give, as text.
class Answers
{
public:
    static Outcome answer(const Request &request)
    {
        const QStringList &inputs = request.inputs;
        switch (request.task) {
        case Task::Easter:
            return easterAnswer(inputs[0]);
        case Task::Holidays:
        case Task::Calendar:
            return holidaysAnswer(inputs[0], request.task == Task::Calendar, request.comune);
        case Task::YearPage:
            return yearPageAnswer(inputs[0], request.comune);
        case Task::Info:
            return infoAnswer(inputs[0]);
        case Task::Difference:
        case Task::WorkingDays:
            return twoDaysAnswer(request);
        case Task::Deadline:
            return deadlineAnswer(request);
        case Task::Comuni:
            return Print {comuniList()};
        case Task::Window:
        case Task::Comune:
            return windowAnswer(inputs);
        case Task::Help:
            return Print {helpText()};
        case Task::Version:
            return Print {versionText()};
        }
        return OpenWindow {};
    }

private:
    static Outcome easterAnswer(const QString &yearText)
    {
        const std::optional<Integer> year = readYear(yearText);
        if (!year)
            return warning(Dates::invalidYearText());
        return Print {Dates::dateToText(Feasts::Calc_Easter(*year)) + u'\n'};
    }

    static std::optional<Integer> readYear(const QString &text)
    {
        const auto answer = Dates::readYearAnswer(text);
        if (const auto *year = std::get_if<Dates::Year>(&answer))
            return year->value;
        return std::nullopt;
    }

    // Read as the prompts read them; what a prompt takes as a cancel (an empty
    // text, a year that is no number) is refused here like any other bad value.
    static std::optional<QDate> readDate(const QString &text)
    {
        const auto answer = Dates::readDateAnswer(text);
        if (const auto *jump = std::get_if<Answer::JumpTo>(&answer))
            return jump->date;
        return std::nullopt;
    }

    // One year: the page is the program's to paint.
    static Outcome yearPageAnswer(const QString &yearText, const Feasts::Comune *comune)
    {
        const std::optional<Integer> year = readYear(yearText);
        if (!year)
            return warning(Dates::invalidYearText());
        return PrintPage {*year, comune};
    }

    static Outcome holidaysAnswer(const QString &yearsText, bool asCalendar, const Feasts::Comune *comune)
    {
        const auto years = readYears(yearsText);
        if (const auto *refusal = std::get_if<Refuse>(&years))
            return *refusal;
        const Years &named = std::get<Years>(years);
        if (asCalendar) {
            return Print {
                Feasts::holidayCalendar(named.first, named.last, QDateTime::currentDateTimeUtc(), comune),
                true};
        }
        return Print {holidayLists(named, comune)};
    }

    // "2027", or "2026-2027": each year read as the year prompts read it.
    static std::variant<Years, Refuse> readYears(const QString &text)
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
    static QString holidayLists(const Years &years, const Feasts::Comune *comune)
    {
        if (!years.range)
            return Feasts::holidayListText(years.first, comune) + u'\n';
        QStringList lists;
        for (int year = years.first; year <= years.last; ++year)
            lists << Feasts::holidayListTitle(Integer(year)) + u'\n' +
                    Feasts::holidayListText(Integer(year), comune) + u'\n';
        return lists.join(u'\n');
    }

    static Outcome infoAnswer(const QString &dayText)
    {
        const std::optional<QDate> day = readDate(dayText);
        if (!day)
            return warning(Dates::invalidDateText());
        return Print {infoLine(*day) + u'\n'};
    }

    // "Trimestre: 2 Settimana: 22 Giorno dell'anno: 151"
    static QString infoLine(QDate day)
    {
        const std::array<int, 3> values = DayInfo::rowValues(day);
        QStringList items;
        for (std::size_t index = 0; index < values.size(); ++index)
            items << DayInfo::rowItems()[index].caption + u' ' + QString::number(values[index]);
        return items.join(u' ');
    }

    // Working days are counted only where there is a holiday list.
    static Outcome twoDaysAnswer(const Request &request)
    {
        const std::optional<QDate> start = readDate(request.inputs[0]);
        const std::optional<QDate> end = readDate(request.inputs[1]);
        if (!start || !end)
            return warning(Dates::invalidDateText());
        if (request.task == Task::Difference)
            return Print {DayInfo::dayDiffMessage(*start, *end) + u'\n'};
        if (!Dates::isTypedYear(start->year()) || !Dates::isTypedYear(end->year()))
            return warning(Dates::invalidYearText());
        return Print {workingDaysLine(*start, *end, request.comune) + u'\n'};
    }

    // "Dal 01/03/2027 al 31/03/2027 ci sono 22 giorni lavorativi", the earlier day first.
    static QString workingDaysLine(QDate start, QDate end, const Feasts::Comune *comune)
    {
        const auto [first, last] = std::minmax(start, end);
        const qint64 count = Feasts::workingDays(first, last, comune);
        const QString days = QStringLiteral("Dal ") + Dates::dateToText(first) + QStringLiteral(" al ") +
            Dates::dateToText(last);
        if (count == 1)
            return days + QStringLiteral(" c'è 1 giorno lavorativo");
        return days + QStringLiteral(" ci sono ") + QString::number(count) +
            QStringLiteral(" giorni lavorativi");
    }

    // DATA N: N a whole number, signed; blanks around are the prompts' too.
    static Outcome deadlineAnswer(const Request &request)
    {
        const std::optional<QDate> from = readDate(request.inputs[0]);
        if (!from)
            return warning(Dates::invalidDateText());
        if (!Dates::isTypedYear(from->year()))
            return warning(Dates::invalidYearText());
        bool isNumber = false;
        const qint64 count = request.inputs[1].trimmed().toLongLong(&isNumber);
        if (!isNumber)
            return warning(QStringLiteral("Attenzione: il numero di giorni lavorativi non è valido."));
        if (count == 0)
            return warning(QStringLiteral("Attenzione: il numero di giorni lavorativi non può essere zero."));
        const std::optional<QDate> reached = Feasts::deadline(*from, count, request.comune);
        if (!reached) {
            return warning(QStringLiteral("Attenzione: la scadenza cade fuori dagli anni dal ") +
                QString::number(Dates::FirstTypedYear) + QStringLiteral(" al ") +
                QString::number(Dates::LastTypedYear) + u'.');
        }
        return Print {deadlineLine(*from, count, *reached) + u'\n'};
    }

    // "10 giorni lavorativi dopo il 07/12/2026: Martedì 22/12/2026"
    static QString deadlineLine(QDate from, qint64 count, QDate reached)
    {
        const qint64 days = std::abs(count);
        return QString::number(days) +
            (days == 1 ? QStringLiteral(" giorno lavorativo ") : QStringLiteral(" giorni lavorativi ")) +
            (count < 0 ? QStringLiteral("prima del ") : QStringLiteral("dopo il ")) +
            Dates::dateToText(from) + QStringLiteral(": ") + Feasts::weekdayName(reached) + u' ' +
            Dates::dateToText(reached);
    }

    static QString comuniList()
    {
        QString text;
        for (const Feasts::Comune &comune : Feasts::comuni())
            text += Feasts::comuneLine(comune) + u'\n';
        return text;
    }

    static Outcome windowAnswer(const QStringList &dayText)
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
    static QString helpText()
    {
        return usageLines() +
            QStringLiteral("Apre il calendario sul giorno DATA, o su oggi. Con un'opzione stampa invece la\n"
                           "risposta che darebbe la finestra, senza aprirla.\n\n"
                           "Opzioni:\n") +
            optionColumns() + notes() + QStringLiteral("Esempi:\n") + exampleColumns();
    }

    static QString usageLines()
    {
        QString text = QStringLiteral("Uso: ") + program() + QStringLiteral(" [DATA]\n");
        for (const Option &option : Options) {
            if (printsAnswer(option))
                text += QStringLiteral("  o: ") + program() + u' ' + synopsis(option) + u'\n';
        }
        return text;
    }

    // --help and --version answer alone; --ics and --comune only change what
    // another option prints.
    static bool printsAnswer(const Option &option)
    {
        return option.task != Task::Help && option.task != Task::Version && option.task != Task::Calendar &&
            option.task != Task::Comune;
    }

    // "--pasqua=ANNO", "--differenza DATA1 DATA2"
    static QString synopsis(const Option &option)
    {
        QString text = QStringLiteral("--") + option.name;
        if (!option.valueName.isEmpty())
            text += u'=' + option.valueName;
        if (!option.operands.isEmpty())
            text += u' ' + option.operands;
        return text;
    }

    static QString optionColumns()
    {
        QList<std::pair<QString, QStringView>> rows;
        for (const Option &option : Options)
            rows.append({synopsis(option), option.description});
        return columns(rows);
    }

    // "  first  second" rows, every second in one column after the longest first.
    static QString columns(const QList<std::pair<QString, QStringView>> &rows)
    {
        qsizetype width = 0;
        for (const auto &row : rows)
            width = std::max(width, row.first.size());
        QString text;
        for (const auto &[first, second] : rows)
            text += QStringLiteral("  ") + first.leftJustified(width) + QStringLiteral("  ") + second + u'\n';
        return text;
    }

    static QString notes()
    {
        return QStringLiteral("\nLe date si scrivono GG/MM/AAAA, come nella finestra; ANNO va dal ") +
            QString::number(Dates::FirstTypedYear) + QStringLiteral(" al ") +
            QString::number(Dates::LastTypedYear) +
            QStringLiteral(".\n\n"
                           "--festivita accetta anche un intervallo di anni, ANNO1-ANNO2, e stampa ogni\n"
                           "anno sotto il suo titolo. Con --ics stampa un file iCalendar da importare nel\n"
                           "proprio calendario: fastorio --festivita 2027 --ics > festivita.ics\n\n"
                           "--calendario scrive il calendario dell'anno su una pagina A4 orizzontale, in\n"
                           "PDF, con le settimane, i giorni lavorativi di ogni mese e in rosso le domeniche\n"
                           "e i giorni festivi per legge, da reindirizzare in un file:\n"
                           "fastorio --calendario 2027 --comune Milano > calendario-2027.pdf\n\n"
                           "--info scrive su una riga le didascalie della riga sotto il calendario,\n"
                           "ognuna seguita dal suo numero, separate da spazi.\n\n"
                           "--lavorativi conta i giorni dal lunedì al venerdì che non erano festivi per\n"
                           "la legge di quell'anno, DATA1 e DATA2 comprese, date in qualsiasi ordine.\n"
                           "L'elenco di --festivita nomina le feste; il conto segue la legge di ogni anno\n"
                           "(il 2 giugno si è lavorato dal 1977 al 2000, il Carnevale sempre).\n\n"
                           "--scadenza conta N giorni lavorativi dopo DATA, o prima se N è negativo,\n"
                           "senza contare DATA.\n\n"
                           "--comune aggiunge a --lavorativi, --scadenza, --festivita e --calendario il\n"
                           "giorno di festa del comune dove si lavora, di solito il santo patrono;\n"
                           "--comuni li elenca:\n"
                           "fastorio --lavorativi 1/12/26 31/12/26 --comune Milano\n\n"
                           "Stato d'uscita:\n"
                           "  0  risposta stampata, o finestra chiusa\n"
                           "  1  risposta non scritta (disco pieno, uscita chiusa) o finestra non aperta\n"
                           "     (nessuno schermo raggiungibile): il motivo va sullo standard error\n"
                           "  2  dato non valido, opzioni errate o PDF chiesto sul terminale: il motivo\n"
                           "     va sullo standard error e la finestra non si apre\n\n");
    }

    static QString exampleColumns()
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
        return columns(rows);
    }

    // GNU's layout: "program (package) version", then the legal lines.
    static QString versionText()
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
};

} // namespace

namespace CommandLine
{

std::variant<OpenWindow, Print, Refuse, PrintPage> read(const QStringList &arguments)
{
    const auto request = readOptions(arguments);
    if (const auto *refusal = std::get_if<Refuse>(&request))
        return *refusal;
    return Answers::answer(std::get<Request>(request));
}

} // namespace CommandLine
