#include "casefile.h"
#include "feasts/easter.h"
#include "feasts/holidays.h"
#include "feasts/todaybutton.h"

#include <QLocale>
#include <QTest>

static void addRows(const QString &path)
{
    QTest::addColumn<QStringList>("fields");
    for (const QStringList &fields : readCases(path))
        QTest::newRow(qPrintable(fields.join(u' '))) << fields;
}

// Easter Sunday by the anonymous Gregorian algorithm (Meeus, Jones, Butcher):
// a second way to the date that the program finds by Gauss's method.
static QDate gregorianEaster(int year)
{
    const int a = year % 19;
    const int century = year / 100;
    const int yearInCentury = year % 100;
    const int g = (century - (century + 8) / 25 + 1) / 3;
    const int h = (19 * a + century - century / 4 - g + 15) % 30;
    const int l = (32 + 2 * (century % 4) + 2 * (yearInCentury / 4) - h - yearInCentury % 4) % 7;
    const int monthAndDay = h + l - 7 * ((a + 11 * h + 22 * l) / 451) + 114;
    return QDate(year, monthAndDay / 31, monthAndDay % 31 + 1);
}

class TestFeasts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void easterAgreesWithAnonymousAlgorithm()
    {
        for (int year = 1583; year <= 2499; ++year)
            QCOMPARE(Calc_Easter(Integer(year)), gregorianEaster(year));
        QVERIFY(!Calc_Easter(1582).isValid()); // before the method's first row
    }

    void easterExamples_data() { addRows(QFINDTESTDATA("easter.cases")); }

    void easterExamples()
    {
        QFETCH(QStringList, fields);
        QCOMPARE(Calc_Easter(Integer(fields[0].toInt())).toString(u"dd/MM/yyyy"), fields[1]);
    }

    void findIndex_data() { addRows(QFINDTESTDATA("findindex.cases")); }

    void findIndex()
    {
        QFETCH(QStringList, fields);
        const QList<Integer> startYears = {1583, 1700, 1800, 1900, 2100, 2200, 2300, 2400};
        QCOMPARE(int(Find_Index(fields[0].toDouble(), startYears)), fields[1].toInt());
        QCOMPARE(int(Find_Index(fields[0].toDouble(), {})), -1);
    }

    // holidays-<year>.txt holds the year's whole list, one holiday a line.
    void holidayList_data()
    {
        QTest::addColumn<int>("year");
        for (const int year : {1900, 2010, 2011, 2025, 2026, 2027, 2038, 2100})
            QTest::addRow("%d", year) << year;
    }

    void holidayList()
    {
        QFETCH(int, year);
        const QString golden = readText(QFINDTESTDATA(QStringLiteral("holidays-%1.txt").arg(year)));
        QCOMPARE(holidayListText(Integer(year)).split(u'\n'), golden.trimmed().split(u'\n'));
        QCOMPARE(holidayListTitle(Integer(year)), QStringLiteral("Festività anno %1").arg(year));
    }

    // Every year the window accepts: the number of lines, each line's weekday
    // against the date it names, and the Easter-based days.
    void holidaysEveryYear()
    {
        const QLocale italian(QLocale::Italian, QLocale::Italy);
        for (int year = 1900; year <= 2100; ++year) {
            const QStringList lines = holidayListText(Integer(year)).split(u'\n');
            QCOMPARE(lines.size(), year < 2026 ? 13 : 14);
            QList<QDate> dates;
            for (const QString &line : lines) {
                const QString dayAndMonth = line.section(QStringLiteral(" ("), 0, 0);
                dates << italian.toDate(
                    dayAndMonth + u' ' + QString::number(year), QStringLiteral("dd MMMM yyyy"));
                const QString weekday = italian.dayName(dates.last().dayOfWeek());
                QCOMPARE(line.toLower(),
                    (line.section(QStringLiteral(": "), 0, -2) + QStringLiteral(": ") + weekday).toLower());
            }
            const QDate easter = gregorianEaster(year);
            QCOMPARE(dates.mid(2, 3), QList<QDate>({easter.addDays(-47), easter, easter.addDays(1)}));
        }
    }

    void gestures_data() { addRows(QFINDTESTDATA("gestures.cases")); }

    void gestures()
    {
        QFETCH(QStringList, fields);
        static const QStringList names = {QStringLiteral("None"), QStringLiteral("GoToToday"),
            QStringLiteral("GoToTypedDate"), QStringLiteral("ShowHelp"), QStringLiteral("GoToEaster"),
            QStringLiteral("ShowHolidays")};
        const TodayGesture gesture = todayGesture(Integer(fields[0].toInt()), Integer(fields[1].toInt()));
        QCOMPARE(names.value(int(gesture)), fields[2]);
    }

    void yearAnswers_data() { addRows(QFINDTESTDATA("yearanswers.cases")); }

    void yearAnswers()
    {
        QFETCH(QStringList, fields);
        const YearAnswer answer = readYearAnswer(fields[0]);
        QCOMPARE(answer.kind == YearAnswer::Accepted ? QString::number(answer.year)
                : answer.kind == YearAnswer::Invalid ? QStringLiteral("invalid")
                                                     : QStringLiteral("end"),
            fields[1]);
    }

    void defaultYear()
    {
        QCOMPARE(defaultYearText(1999, 2026), QStringLiteral("1999"));
        QCOMPARE(defaultYearText(0, 2026), QStringLiteral("2026"));
        QCOMPARE(defaultYearText(-1, 2027), QStringLiteral("2027"));
    }

    // texts.cases lists the texts in this order.
    void texts()
    {
        const QStringList texts = {datePromptText(), datePromptTitle(), easterPromptText(),
            easterPromptTitle(), holidaysPromptText(), holidaysPromptTitle(), invalidDateMessage(),
            invalidYearMessage()};
        QStringList expected;
        for (const QStringList &fields : readCases(QFINDTESTDATA("texts.cases")))
            expected << fields[1];
        QCOMPARE(texts, expected);
    }
};

QTEST_APPLESS_MAIN(TestFeasts)
#include "tst_feasts.moc"
