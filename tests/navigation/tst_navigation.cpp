#include "casefile.h"
#include "navigation/numberentry.h"
#include "navigation/searches.h"

using namespace Navigation;

template<>
const NumberEntry *caseField<const NumberEntry *>(const QString &field)
{
    if (field == QLatin1String("week"))
        return &weekEntry();
    return field == QLatin1String("quarter") ? &quarterEntry() : &dayEntry();
}

static QString describe(const Outcome &outcome)
{
    if (const auto *move = std::get_if<MoveBy>(&outcome))
        return QStringLiteral("move %1 %2")
            .arg(QLatin1String(std::array {"d", "ww", "q"}[int(move->interval)]))
            .arg(move->count);
    if (const auto *jump = std::get_if<Answer::JumpTo>(&outcome))
        return QStringLiteral("jump ") + jump->date.toString(Qt::ISODate);
    if (const auto *warning = std::get_if<Answer::Warn>(&outcome))
        return warning->text;
    return QStringLiteral("nothing");
}

// "number/year: date", so that a mismatch names the case.
static QString found(int number, int year, std::optional<QDate> date)
{
    return QStringLiteral("%1/%2: ").arg(number).arg(year) + date.value_or(QDate()).toString(Qt::ISODate);
}

class TestNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readEntry_data()
    {
        addCaseRows<const NumberEntry *, QString, QString>(
            QFINDTESTDATA("readentry.cases"), {"entry", "answer", "outcome"});
    }

    // 2011 is the year of the system clock, taken when the answer has none.
    void readEntry()
    {
        QFETCH(const NumberEntry *, entry);
        QFETCH(QString, answer);
        QFETCH(QString, outcome);
        QCOMPARE(describe(Navigation::readEntry(*entry, answer, 2011)), outcome);
    }

    // Each search against a walk over the days of every year: the first day
    // that carries a week number (week 52 is never the early-January one), and
    // the first day of each quarter and of each day number.
    void searchesAgainstAWalk()
    {
        QList<int> week53Kinds(3); // a week of its own, 1 January, missing
        for (int year = 1900; year <= 2100; ++year) {
            QList<QDate> weekStart(54), quarterStart(5), dayNumbered(367);
            int dayNumber = 0;
            for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
                const int week = day.weekNumber();
                if (!weekStart[week].isValid() && !(week == 52 && day.month() == 1))
                    weekStart[week] = day;
                if (!quarterStart[(day.month() + 2) / 3].isValid())
                    quarterStart[(day.month() + 2) / 3] = day;
                dayNumbered[++dayNumber] = day;
            }
            for (int week = 1; week <= 53; ++week) {
                const std::optional<QDate> start = findWeekStart(Integer(week), Integer(year));
                QCOMPARE(found(week, year, start), found(week, year, weekStart[week]));
                if (week == 53)
                    ++week53Kinds[!start ? 2 : start->month() == 1 ? 1 : 0];
            }
            for (int quarter = 1; quarter <= 4; ++quarter)
                QCOMPARE(found(quarter, year, findQuarterStart(Integer(quarter), Integer(year))),
                    found(quarter, year, quarterStart[quarter]));
            for (int day = 1; day <= 366; ++day)
                QCOMPARE(found(day, year, findDayOfYear(Integer(day), Integer(year))),
                    found(day, year, dayNumbered[day]));
        }
        QCOMPARE(week53Kinds, QList<int>({36, 36, 129}));
    }
};

QTEST_APPLESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
