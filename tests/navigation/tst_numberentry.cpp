#include "navigation/numberentry.h"

#include <QTest>

using namespace Navigation;

enum class Kind { Week, Quarter, Day };
Q_DECLARE_METATYPE(Kind)

namespace
{

constexpr int ClockYear = 2011;

const NumberEntry &entryOf(Kind kind)
{
    switch (kind) {
    case Kind::Week:
        return weekEntry();
    case Kind::Quarter:
        return quarterEntry();
    case Kind::Day:
        break;
    }
    return dayEntry();
}

// Outcomes are compared as one line of text, which QCOMPARE can print.
struct Describe {
    QString operator()(const NoAction &) const { return QStringLiteral("nothing"); }
    QString operator()(const MoveBy &move) const
    {
        return QStringLiteral("move %1 by %2").arg(int(move.interval)).arg(move.count);
    }
    QString operator()(const JumpTo &jump) const
    {
        return QStringLiteral("jump to ") + jump.date.toString(Qt::ISODate);
    }
    QString operator()(const Warn &warn) const { return QStringLiteral("warn: ") + warn.text; }
};

QString describe(const Outcome &outcome)
{
    return std::visit(Describe {}, outcome);
}

QString nothing()
{
    return describe(NoAction {});
}

QString moveBy(Dates::Interval interval, Integer count)
{
    return describe(MoveBy {interval, count});
}

QString jumpTo(int year, int month, int day)
{
    return describe(JumpTo {QDate(year, month, day)});
}

QString warn(const char *text)
{
    return describe(Warn {QString::fromUtf8(text)});
}

const QString weekRange = warn("Attenzione: il numero della settimana deve essere compreso tra 1 e 53");
const QString quarterRange = warn("Attenzione: il numero del trimestre deve essere compreso tra 1 e 4");
const QString dayRange = warn("Attenzione: il numero del giorno deve essere compreso tra 1 e 366");
const QString yearRange = warn("Attenzione: l'anno deve essere compreso tra 1900 e 2100");
const QString noSuchWeek = warn("Attenzione: la settimana cercata non esiste.");
const QString noSuchDay = warn("Attenzione: il giorno cercato non esiste.");

} // namespace

class TestNumberEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void prompts_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");

        QTest::newRow("week") << Kind::Week
                              << QStringLiteral("Settimana numero:\r\r(esempio: 22 oppure 22/2010)")
                              << QStringLiteral("Calcolo del primo giorno della settimana");
        QTest::newRow("quarter") << Kind::Quarter
                                 << QStringLiteral("Trimestre numero:\r\r(esempio: 1 oppure 1/2010)")
                                 << QStringLiteral("Calcolo del primo giorno del trimestre");
        QTest::newRow("day") << Kind::Day << QStringLiteral("Giorno numero:\r\r(esempio: 78 oppure 78/2010)")
                             << QStringLiteral("Calcolo del numero del giorno dell'anno");
    }

    void prompts()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        QCOMPARE(promptText(entryOf(kind)), prompt);
        QCOMPARE(entryOf(kind).title, title);
    }

    void readEntry_data()
    {
        using Dates::Interval;
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("outcome");

        auto row = [](const char *name, Kind kind, const char *answer, const QString &outcome) {
            QTest::newRow(name) << kind << QString::fromUtf8(answer) << outcome;
        };

        row("empty week", Kind::Week, "", nothing());
        row("empty day", Kind::Day, "", nothing());

        row("offset +2 weeks", Kind::Week, "+2", moveBy(Interval::Week, 2));
        row("offset -1 quarter", Kind::Quarter, "-1", moveBy(Interval::Quarter, -1));
        row("offset +10 days", Kind::Day, "+10", moveBy(Interval::Day, 10));
        row("offset + alone", Kind::Week, "+", moveBy(Interval::Week, 0));
        row("offset -1.5 rounds down", Kind::Week, "-1.5", moveBy(Interval::Week, -2));
        row("offset +1.9 rounds down", Kind::Week, "+1.9", moveBy(Interval::Week, 1));
        row("offset ignores the year", Kind::Week, "-3/2010", moveBy(Interval::Week, -3));
        row("offset ignores the range", Kind::Day, "+400", moveBy(Interval::Day, 400));
        row("offset largest", Kind::Week, "+32767", moveBy(Interval::Week, 32767));
        row("offset smallest", Kind::Week, "-32768", moveBy(Interval::Week, -32768));
        row("offset overflow", Kind::Week, "+32768", nothing());
        row("offset huge", Kind::Week, "+99999", nothing());
        row("blank before the sign", Kind::Week, " +3", jumpTo(2011, 1, 17));

        row("number in the clock year", Kind::Week, "22", jumpTo(2011, 5, 30));
        row("quarter in the clock year", Kind::Quarter, "1", jumpTo(2011, 1, 1));
        row("half-even 22.5", Kind::Week, "22.5", jumpTo(2011, 5, 30));
        row("half-even 23.5", Kind::Week, "23.5", jumpTo(2011, 6, 13));
        row("half-even 0.4", Kind::Week, "0.4", weekRange);
        row("half-even year", Kind::Week, "22/2011.5", jumpTo(2012, 5, 28));
        row("letters", Kind::Week, "abc", weekRange);

        row("slash two-digit year", Kind::Week, "22/10", yearRange);
        row("slash without year", Kind::Week, "22/", yearRange);
        row("slash without number", Kind::Week, "/2010", weekRange);
        row("slash middle ignored", Kind::Week, "22/3/2010", jumpTo(2010, 5, 31));
        row("number overflow", Kind::Week, "40000", weekRange);
        row("year overflow", Kind::Day, "1/40000", yearRange);
        row("both out of range", Kind::Week, "54/1800", weekRange);
        row("year too early", Kind::Week, "22/1800", yearRange);

        row("week 54", Kind::Week, "54", weekRange);
        row("quarter 5", Kind::Quarter, "5/2010", quarterRange);
        row("quarter 0", Kind::Quarter, "0", quarterRange);
        row("day 367", Kind::Day, "367", dayRange);
        row("day 0", Kind::Day, "0/2010", dayRange);

        row("week 1/1900", Kind::Week, "1/1900", jumpTo(1900, 1, 1));
        row("week 1/2100", Kind::Week, "1/2100", jumpTo(2100, 1, 4));
        row("week 1/1899", Kind::Week, "1/1899", yearRange);
        row("quarter 1/1900", Kind::Quarter, "1/1900", jumpTo(1900, 1, 1));
        row("quarter 4/2100", Kind::Quarter, "4/2100", jumpTo(2100, 10, 1));
        row("quarter 1/2101", Kind::Quarter, "1/2101", yearRange);
        row("day 1/1900", Kind::Day, "1/1900", jumpTo(1900, 1, 1));
        row("day 365/2100", Kind::Day, "365/2100", jumpTo(2100, 12, 31));
        row("day 1/1899", Kind::Day, "1/1899", yearRange);

        row("week 53/2010", Kind::Week, "53/2010", jumpTo(2010, 1, 1));
        row("week 53/2011 missing", Kind::Week, "53/2011", noSuchWeek);
        row("quarter 2/2010 day first", Kind::Quarter, "2/2010", jumpTo(2010, 4, 1));
        row("day 78/2010", Kind::Day, "78/2010", jumpTo(2010, 3, 19));
        row("day 366/2011 missing", Kind::Day, "366/2011", noSuchDay);
    }

    void readEntry()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, answer);
        QFETCH(QString, outcome);
        QCOMPARE(describe(Navigation::readEntry(entryOf(kind), answer, ClockYear)), outcome);
    }
};

QTEST_APPLESS_MAIN(TestNumberEntry)
#include "tst_numberentry.moc"
