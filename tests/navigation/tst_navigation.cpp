#include "casefile.h"
#include "navigation/numberentry.h"
#include "navigation/searches.h"

#include <QTest>

using namespace Navigation;

static void addRows(const QString &path)
{
    QTest::addColumn<QStringList>("fields");
    for (const QStringList &fields : readCases(path))
        QTest::newRow(qPrintable(fields[0] + QStringLiteral(" \"") + fields[1] + u'"')) << fields;
}

static const NumberEntry &entryNamed(const QString &name)
{
    if (name == QLatin1String("week"))
        return weekEntry();
    return name == QLatin1String("quarter") ? quarterEntry() : dayEntry();
}

static QString describe(const Outcome &outcome)
{
    static const QStringList units = {QStringLiteral("d"), QStringLiteral("ww"), QStringLiteral("q")};
    if (const auto *move = std::get_if<MoveBy>(&outcome))
        return QStringLiteral("move %1 %2").arg(units.value(int(move->interval))).arg(move->count);
    if (const auto *jump = std::get_if<Answer::JumpTo>(&outcome))
        return QStringLiteral("jump ") + jump->date.toString(u"dd/MM/yyyy");
    if (const auto *warn = std::get_if<Answer::Warn>(&outcome))
        return warn->text;
    return QStringLiteral("nothing");
}

// "number/year: date", so that a mismatch names the case.
static QString found(int number, int year, std::optional<QDate> date)
{
    return QStringLiteral("%1/%2: ").arg(number).arg(year) + date.value_or(QDate()).toString(Qt::ISODate);
}

static QDate isoMonday(int week, int year)
{
    const QDate fourth(year, 1, 4); // always in week 1
    return fourth.addDays(7 * (week - 1) + 1 - fourth.dayOfWeek());
}

// A week belongs to the year of its Thursday. The search gives its Monday, or
// 1 January when the year begins inside it or inside the previous year's week 53.
static QDate expectedWeekStart(int week, int year)
{
    const QDate newYear(year, 1, 1);
    if (isoMonday(week, year).addDays(3).year() == year)
        return std::max(isoMonday(week, year), newYear);
    const QDate lastYears53 = isoMonday(53, year - 1);
    const bool carried = lastYears53.addDays(3).year() == year - 1 && newYear < lastYears53.addDays(7);
    return week == 53 && carried ? newYear : QDate();
}

class TestNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void prompts_data() { addRows(QFINDTESTDATA("prompts.cases")); }

    void prompts()
    {
        QFETCH(QStringList, fields);
        QCOMPARE(entryNamed(fields[0]).title, fields[1]);
        QCOMPARE(promptText(entryNamed(fields[0])), fields[2]);
    }

    void readEntry_data() { addRows(QFINDTESTDATA("readentry.cases")); }

    // 2011 is the year of the system clock, taken when the answer has none.
    void readEntry()
    {
        QFETCH(QStringList, fields);
        QCOMPARE(describe(Navigation::readEntry(entryNamed(fields[0]), fields[1], 2011)), fields[2]);
    }

    // Week 53 is a week of its own in 36 of these years, 1 January in 36, and
    // missing in 129.
    void weekEveryYear()
    {
        QList<int> week53Kinds(3);
        for (int year = 1900; year <= 2100; ++year) {
            for (int week = 1; week <= 53; ++week) {
                const std::optional<QDate> start = findWeekStart(Integer(week), Integer(year));
                QCOMPARE(found(week, year, start), found(week, year, expectedWeekStart(week, year)));
                if (week == 53)
                    ++week53Kinds[!start ? 2 : start->month() == 1 ? 1 : 0];
            }
        }
        QCOMPARE(week53Kinds, QList<int>({36, 36, 129}));
    }

    void dayAndQuarterEveryYear()
    {
        for (int year = 1900; year <= 2100; ++year) {
            for (int day = 1; day <= 366; ++day) {
                const QDate date = QDate(year, 1, 1).addDays(day - 1);
                QCOMPARE(found(day, year, findDayOfYear(Integer(day), Integer(year))),
                    found(day, year, date.year() == year ? date : QDate()));
            }
            for (int quarter = 1; quarter <= 4; ++quarter) {
                QCOMPARE(found(quarter, year, findQuarterStart(Integer(quarter), Integer(year))),
                    found(quarter, year, QDate(year, 3 * quarter - 2, 1)));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
