#include "feasts/todaybutton.h"

#include <QTest>

Q_DECLARE_METATYPE(TodayGesture)
Q_DECLARE_METATYPE(YearAnswer::Kind)

class TestTodayButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gestures_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("shift");
        QTest::addColumn<TodayGesture>("gesture");
        QTest::newRow("left") << 1 << 0 << TodayGesture::GoToToday;
        QTest::newRow("Shift+left") << 1 << 1 << TodayGesture::GoToTypedDate;
        QTest::newRow("right") << 2 << 0 << TodayGesture::ShowHelp;
        QTest::newRow("Shift+right") << 2 << 1 << TodayGesture::GoToEaster;
        QTest::newRow("Ctrl+right") << 2 << 2 << TodayGesture::ShowHolidays;
        QTest::newRow("Ctrl+left") << 1 << 2 << TodayGesture::None;
        QTest::newRow("Shift+Ctrl+right") << 2 << 3 << TodayGesture::None;
        QTest::newRow("middle") << 4 << 0 << TodayGesture::None;
        QTest::newRow("Shift+middle") << 4 << 1 << TodayGesture::None;
        QTest::newRow("Alt+left") << 1 << 4 << TodayGesture::None;
        QTest::newRow("Alt+right") << 2 << 4 << TodayGesture::None;
        QTest::newRow("Shift+Alt+right") << 2 << 5 << TodayGesture::None;
        QTest::newRow("left and right together") << 3 << 0 << TodayGesture::None;
    }

    void gestures()
    {
        QFETCH(int, button);
        QFETCH(int, shift);
        QFETCH(TodayGesture, gesture);
        QCOMPARE(todayGesture(Integer(button), Integer(shift)), gesture);
    }

    void yearAnswers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<YearAnswer::Kind>("kind");
        QTest::addColumn<int>("year");
        QTest::newRow("cancelled") << QString() << YearAnswer::EarlyEnd << 0;
        QTest::newRow("letters") << QStringLiteral("abc") << YearAnswer::EarlyEnd << 0;
        QTest::newRow("blanks only") << QStringLiteral("   ") << YearAnswer::EarlyEnd << 0;
        QTest::newRow("digits then letters") << QStringLiteral("2010a") << YearAnswer::EarlyEnd << 0;
        QTest::newRow("blanks around") << QStringLiteral(" 2010 ") << YearAnswer::Accepted << 2010;
        QTest::newRow("1899") << QStringLiteral("1899") << YearAnswer::Invalid << 0;
        QTest::newRow("2101") << QStringLiteral("2101") << YearAnswer::Invalid << 0;
        QTest::newRow("1900") << QStringLiteral("1900") << YearAnswer::Accepted << 1900;
        QTest::newRow("2100") << QStringLiteral("2100") << YearAnswer::Accepted << 2100;
        QTest::newRow("2100.4 checked before rounding")
            << QStringLiteral("2100.4") << YearAnswer::Invalid << 0;
        QTest::newRow("1899.6 checked before rounding")
            << QStringLiteral("1899.6") << YearAnswer::Invalid << 0;
        QTest::newRow("half to even, down") << QStringLiteral("2010.5") << YearAnswer::Accepted << 2010;
        QTest::newRow("half to even, up") << QStringLiteral("2011.5") << YearAnswer::Accepted << 2012;
        QTest::newRow("too long for an Integer") << QStringLiteral("99999999") << YearAnswer::Invalid << 0;
    }

    void yearAnswers()
    {
        QFETCH(QString, text);
        QFETCH(YearAnswer::Kind, kind);
        QFETCH(int, year);
        const YearAnswer answer = readYearAnswer(text);
        QCOMPARE(answer.kind, kind);
        if (kind == YearAnswer::Accepted)
            QCOMPARE(int(answer.year), year);
    }

    void defaultYear()
    {
        QCOMPARE(defaultYearText(1999, 2026), QStringLiteral("1999"));
        QCOMPARE(defaultYearText(0, 2026), QStringLiteral("2026"));
        QCOMPARE(defaultYearText(-1, 2027), QStringLiteral("2027"));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date prompt") << datePromptText()
                                     << QStringLiteral("Data da ricercare:\r\r(esempio:  03/05/2001)");
        QTest::newRow("date title") << datePromptTitle() << QStringLiteral("Ricerca di una data");
        QTest::newRow("Easter prompt")
            << easterPromptText()
            << QStringLiteral("Anno di cui calcolare il giorno di Pasqua:\r\r(esempio:  2010)");
        QTest::newRow("Easter title") << easterPromptTitle() << QStringLiteral("Calcolo della pasqua");
        QTest::newRow("holidays prompt")
            << holidaysPromptText()
            << QStringLiteral("Anno di cui calcolare le festività:\r\r(esempio:  2010)");
        QTest::newRow("holidays title") << holidaysPromptTitle() << QStringLiteral("Calcolo delle festività");
        QTest::newRow("bad date") << invalidDateMessage()
                                  << QStringLiteral("Attenzione: la data inserita non è valida.");
        QTest::newRow("bad year") << invalidYearMessage()
                                  << QStringLiteral("Attenzione: l'anno inserito non è valido.");
    }

    void texts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_APPLESS_MAIN(TestTodayButton)
#include "tst_todaybutton.moc"
