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
    // the first day of each quarter and of each day number. The number and the
    // year go with the date, so that a mismatch names the case.
    void searchesAgainstAWalk()
    {
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
            for (const auto &[search, starts] : {std::pair {&findWeekStart, weekStart},
                     {&findQuarterStart, quarterStart}, {&findDayOfYear, dayNumbered}}) {
                for (int number = 1; number < starts.size(); ++number)
                    QCOMPARE(
                        std::tuple(number, year, search(Integer(number), Integer(year)).value_or(QDate())),
                        std::tuple(number, year, starts[number]));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
