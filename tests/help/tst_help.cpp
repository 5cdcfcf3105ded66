#include "casefile.h"
#include "help/about.h"
#include "help/buttonhelp.h"

using namespace Help;

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The EXPECTED_ definitions come from project(), like the generated header.
    void versionComesFromTheBuild()
    {
        const VersionInfo info = programVersionInfo();
        QCOMPARE(info.productName, QString::fromUtf8(EXPECTED_PRODUCT));
        QCOMPARE(QStringLiteral("%1.%2.%3").arg(info.major).arg(info.minor).arg(info.revision),
            QString::fromUtf8(EXPECTED_VERSION));
        QCOMPARE(info.description, QString::fromUtf8(EXPECTED_DESCRIPTION));
        QCOMPARE(info.legalNotice, QString::fromUtf8(EXPECTED_LEGAL_NOTICE));
    }

    // A golden file holds a message line by line; the messages break lines
    // with single carriage returns and end without one. The about box's
    // version is the build's, with minor and revision run together.
    void goldenTexts()
    {
        const auto lines = [](const QString &path) {
            return readText(path).trimmed().split(u'\n');
        };
        QCOMPARE(buttonHelpText(TodayButtonHelp).split(u'\r'), lines(QFINDTESTDATA("help-today.txt")));
        QCOMPARE(buttonHelpText(DiffButtonHelp).split(u'\r'), lines(QFINDTESTDATA("help-diff.txt")));
        const VersionInfo build = programVersionInfo();
        QStringList about = lines(QFINDTESTDATA("about.txt"));
        about[0].replace(QLatin1String("@VERSION@"),
            QStringLiteral("%1.%2%3").arg(build.major).arg(build.minor).arg(build.revision));
        QCOMPARE(
            aboutText(programVersionInfo(), QStringLiteral("M"), QStringLiteral("D")).split(u'\r'), about);
    }

    // Minor and revision run together.
    void otherVersion()
    {
        const QString text = aboutText(versionInfoFor(u"2.1.3"), QStringLiteral("M"), QStringLiteral("D"));
        QCOMPARE(text.section(u'\r', 0, 0), QStringLiteral("Fastorio - Versione 2.13"));
    }
};

QTEST_APPLESS_MAIN(TestHelp)
#include "tst_help.moc"
