#include "casefile.h"
#include "dayinfo/daydiff.h"
#include "feasts/todaybutton.h"
#include "help/about.h"
#include "help/buttonhelp.h"

using namespace Help;

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A golden file holds a message line by line; the messages break lines
    // with single carriage returns and end without one. about.txt is the about
    // box of version 2.1.3, which it writes 2.13, minor and revision run
    // together; the build's own version is checked where the program prints it.
    void goldenTexts()
    {
        const auto lines = [](const QString &path) {
            return readText(path).trimmed().split(u'\n');
        };
        QCOMPARE(buttonHelpText(Mouse::helpLines(Feasts::todayGestures())).split(u'\r'),
            lines(QFINDTESTDATA("help-today.txt")));
        QCOMPARE(buttonHelpText(Mouse::helpLines(DayInfo::diffGestures())).split(u'\r'),
            lines(QFINDTESTDATA("help-diff.txt")));
        QCOMPARE(aboutText(versionInfoFor(u"2.1.3"), QStringLiteral("M"), QStringLiteral("D")).split(u'\r'),
            lines(QFINDTESTDATA("about.txt")));
    }
};

QTEST_APPLESS_MAIN(TestHelp)
#include "tst_help.moc"
