#include "casefile.h"
#include "platform/dates.h"

#include <QTest>

static void addRows(const QString &path)
{
    QTest::addColumn<QStringList>("fields");
    for (const QStringList &fields : readCases(path))
        QTest::newRow(qPrintable(fields.join(u' '))) << fields;
}

static QString text(std::optional<QDate> date)
{
    return date ? date->toString(u"dd/MM/yyyy") : QStringLiteral("refused");
}

class TestDates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isoWeekAroundNewYear()
    {
        QCOMPARE(Dates::isoWeek(QDate(2008, 12, 31)), 1);
        QCOMPARE(Dates::isoWeek(QDate(2010, 1, 1)), 53);
        QCOMPARE(Dates::isoWeek(QDate(2004, 12, 27)), 53);
        QCOMPARE(Dates::isoWeek(QDate(2021, 1, 3)), 53);
    }

    // Every day 1900-2100 against a calendar generated month by month, where
    // 1 January 1900 is a Monday and an ISO week is the week of its Thursday,
    // numbered in the Thursday's year.
    void everyDay()
    {
        const auto length = [](int year, int month) {
            static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            const bool leap = year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
            return lengths[month - 1] + (month == 2 && leap ? 1 : 0);
        };
        QList<std::pair<QDate, int>> days; // with the day of the year
        for (int year = 1900; year <= 2101; ++year) {
            int dayOfYear = 0;
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= length(year, month); ++day)
                    days.emplace_back(QDate(year, month, day), ++dayOfYear);
            }
        }
        for (qint64 i = 0; days[i].first.year() <= 2100; ++i) {
            const auto [date, dayOfYear] = days[i];
            const qint64 fromMonday = i % 7;
            QCOMPARE(std::tuple(date, Dates::quarter(date), Dates::dayOfYear(date), Dates::weekday(date),
                         Dates::isoWeek(date), Dates::daysBetween(days[0].first, date),
                         text(Dates::dateAdd(Dates::Interval::Day, 1, date)), Dates::dateToText(date),
                         text(Dates::textToDate(date.toString(u"d/M/yyyy")))),
                std::tuple(date, (date.month() + 2) / 3, dayOfYear, int(fromMonday + 1) % 7 + 1,
                    (days[i - fromMonday + 3].second - 1) / 7 + 1, i, text(days[i + 1].first), text(date),
                    text(date)));
        }
    }

    void dateAdd_data() { addRows(QFINDTESTDATA("dateadd.cases")); }

    void dateAdd()
    {
        QFETCH(QStringList, fields);
        const auto interval = Dates::Interval(
            QStringList({QStringLiteral("d"), QStringLiteral("ww"), QStringLiteral("q")}).indexOf(fields[0]));
        const QDate from = QDate::fromString(fields[2], u"dd/MM/yyyy");
        QVERIFY(from.isValid());
        QCOMPARE(text(Dates::dateAdd(interval, fields[1].toLongLong(), from)), fields[3]);
    }

    void textToDate_data() { addRows(QFINDTESTDATA("datetexts.cases")); }

    // An accepted text comes back from dateToText() as "dd/mm/yyyy".
    void textToDate()
    {
        QFETCH(QStringList, fields);
        const std::optional<QDate> read = Dates::textToDate(fields[0]);
        QCOMPARE(text(read), fields[1]);
        QCOMPARE(Dates::isDate(fields[0]), read.has_value());
        if (read)
            QCOMPARE(Dates::dateToText(*read), fields[1]);
    }
};

QTEST_APPLESS_MAIN(TestDates)
#include "tst_dates.moc"
