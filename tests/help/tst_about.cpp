#include "help/about.h"

#include <QTest>

Q_DECLARE_METATYPE(VersionInfo)

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionComesFromTheBuild()
    {
        const VersionInfo info = programVersionInfo();
        QCOMPARE(info.productName, QString::fromUtf8(EXPECTED_PRODUCT));
        QCOMPARE(QStringLiteral("%1.%2.%3").arg(info.major).arg(info.minor).arg(info.revision),
            QString::fromUtf8(EXPECTED_VERSION));
        QCOMPARE(info.description, QString::fromUtf8(EXPECTED_DESCRIPTION));
        QCOMPARE(info.legalNotice, QString::fromUtf8(EXPECTED_LEGAL_NOTICE));
        QVERIFY(!info.legalNotice.contains(u'\r') && !info.legalNotice.contains(u'\n'));
    }

    void text_data()
    {
        QTest::addColumn<VersionInfo>("info");
        QTest::addColumn<QString>("captionOggi");
        QTest::addColumn<QString>("captionDiff");
        QTest::addColumn<QStringList>("lines");
        const VersionInfo program = programVersionInfo();
        const QString legal = program.legalNotice + QStringLiteral(" - Tutti i diritti sono riservati");
        const QString description =
            QStringLiteral("Calcolo trimestri, settimane, giorni dall'inizio dell'anno e festività");
        const QString lastLine =
            QStringLiteral("visualizzare un messaggio che descrive le funzioni ad essi associate");
        const auto hint = [](const QString &oggi, const QString &diff) -> QString {
            return QStringLiteral("Selezionando con il tasto destro del mouse i tasti ") + oggi +
                QStringLiteral(" e ") + diff + QStringLiteral(" sarà possibile");
        };

        QTest::newRow("program") << program << QStringLiteral("M") << QStringLiteral("D")
                                 << QStringList {QStringLiteral("Fastorio - Versione 1.00"), QString(),
                                        description, legal, QString(), QString(),
                                        hint(QStringLiteral("M"), QStringLiteral("D")), lastLine};
        VersionInfo other = program;
        other.major = 2;
        other.minor = 1;
        other.revision = 3;
        QTest::newRow("2.1.3") << other << QStringLiteral("M") << QStringLiteral("D")
                               << QStringList {QStringLiteral("Fastorio - Versione 2.13"), QString(),
                                      description, legal, QString(), QString(),
                                      hint(QStringLiteral("M"), QStringLiteral("D")), lastLine};
        QTest::newRow("other captions")
            << program << QStringLiteral("Oggi") << QStringLiteral("Diff")
            << QStringList {QStringLiteral("Fastorio - Versione 1.00"), QString(), description, legal,
                   QString(), QString(), hint(QStringLiteral("Oggi"), QStringLiteral("Diff")), lastLine};
    }

    void text()
    {
        QFETCH(VersionInfo, info);
        QFETCH(QString, captionOggi);
        QFETCH(QString, captionDiff);
        QFETCH(QStringList, lines);
        const QString text = aboutText(info, captionOggi, captionDiff);
        QVERIFY(!text.contains(u'\n'));
        QCOMPARE(text.split(u'\r'), lines);
        QCOMPARE(aboutTitle(), QStringLiteral("Informazioni su..."));
    }
};

QTEST_APPLESS_MAIN(TestAbout)
#include "tst_about.moc"
