#include "help/buttonhelp.h"

#include <QTest>

class TestButtonHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text_data()
    {
        QTest::addColumn<Integer>("selector");
        QTest::addColumn<QStringList>("lines");
        const QString heading = QStringLiteral("Selezione con:");
        QTest::newRow("M")
            << Integer(1)
            << QStringList {heading, QString(),
                   QStringLiteral("1) tasto sinistro: Posizionamento sulla data odierna"),
                   QStringLiteral("2) shift + tasto sinistro: Posizionamento su di una data voluta"),
                   QStringLiteral("3) shift + tasto destro: Posizionamento sulla data della Pasqua"),
                   QStringLiteral("4) crtl + tasto destro: Calcolo delle festività")};
        QTest::newRow("D") << Integer(2)
                           << QStringList {heading, QString(),
                                  QStringLiteral(
                                      "1) tasto sinistro: Selezione del primo giorno per il calcolo "
                                      "della differenza di date. Il secondo giorno verrà "
                                      "selezionato direttamente dal fastorio"),
                                  QStringLiteral("2) shift + tasto sinistro: Deselezione del primo giorno")};
        QTest::newRow("unknown") << Integer(3) << QStringList {heading, QString(), QString()};
    }

    void text()
    {
        QFETCH(Integer, selector);
        QFETCH(QStringList, lines);
        const QString text = buttonHelpText(selector);
        QVERIFY(!text.contains(u'\n'));
        QCOMPARE(text.split(u'\r'), lines);
    }

    void titleFollowsCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("M") << QStringLiteral("M");
        QTest::newRow("D") << QStringLiteral("D");
        QTest::newRow("changed") << QStringLiteral("Oggi");
    }

    void titleFollowsCaption()
    {
        QFETCH(QString, caption);
        QCOMPARE(buttonHelpTitle(caption), QStringLiteral("Funzioni del tasto ") + caption);
    }
};

QTEST_APPLESS_MAIN(TestButtonHelp)
#include "tst_buttonhelp.moc"
