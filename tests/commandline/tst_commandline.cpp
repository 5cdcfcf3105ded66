#include "casefile.h"
#include "commandline/commandline.h"
#include "feasts/comuni.h"

using namespace CommandLine;

// What the program does with an outcome: the kind gives the status.
static QString shown(const std::variant<OpenWindow, Print, Refuse, PrintPage> &outcome)
{
    if (const auto *page = std::get_if<PrintPage>(&outcome))
        return QStringLiteral("page ") + QString::number(page->year) +
            (page->comune ? u' ' + page->comune->name.toString() : QString()) + u'\n';
    if (const auto *window = std::get_if<OpenWindow>(&outcome))
        return QStringLiteral("window ") + window->startDay.toString(u"dd/MM/yyyy") + u'\n';
    if (const auto *print = std::get_if<Print>(&outcome))
        return QStringLiteral("answer ") + print->text;
    return QStringLiteral("refused ") + std::get<Refuse>(outcome).text;
}

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        addCaseRows<QString, QString, QStringList>(
            QFINDTESTDATA("commandline.cases"), {"kind", "text", "arguments"});
    }

    void read()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QStringList, arguments);
        text.replace(QStringLiteral("@VERSION@"), QStringLiteral(FASTORIO_VERSION));
        if (const qsizetype at = text.indexOf(u'@'); at >= 0)
            text = text.left(at) + readText(QFINDTESTDATA(text.mid(at + 1))).trimmed();
        QCOMPARE(shown(CommandLine::read(QStringList {QStringLiteral("fastorio")} + arguments)),
            kind + u' ' + text + u'\n');
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
