// The platform services: dates and their text, whole numbers and the numbers in typed text.
#include "casefile.h"
#include "platform/dates.h"
#include "platform/integer.h"
#include "platform/numbertext.h"

#include <QLocale>

// "d", "ww" and "q", in the order of Dates::Interval.
template<>
Dates::Interval caseField<Dates::Interval>(const QString &field)
{
    return Dates::Interval(
        QStringList {QStringLiteral("d"), QStringLiteral("ww"), QStringLiteral("q")}.indexOf(field));
}

// A number, or a date as yyyy-mm-dd; "refused" for none.
template<class T>
static QString text(std::optional<T> value)
{
    return value ? QVariant::fromValue(*value).toString() : QStringLiteral("refused");
}

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs under Qt's Italian locale, whose decimal separator is ",".
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void toInteger_data()
    {
        addCaseRows<double, QString, QString>(QFINDTESTDATA("integer.cases"), {"value", "halfEven", "floor"});
    }

    void toInteger()
    {
        QFETCH(double, value);
        QFETCH(QString, halfEven);
        QFETCH(QString, floor);
        QCOMPARE(text(Numbers::toIntegerHalfEven(value)), halfEven);
        QCOMPARE(text(Numbers::toIntegerFloor(value)), floor);
    }

    void valAndIsNumeric_data()
    {
        addCaseRows<QString, double, bool>(QFINDTESTDATA("numbertext.cases"), {"text", "val", "numeric"});
        QTest::newRow("ten thousand nines") << QString(10000, u'9') << qInf() << true;
    }

    void valAndIsNumeric()
    {
        QFETCH(QString, text);
        QFETCH(double, val);
        QFETCH(bool, numeric);
        QCOMPARE(Numbers::val(text), val);
        QCOMPARE(Numbers::isNumeric(text), numeric);
    }
    // Every day 1900-2100 against a count of its own: 1 January 1900 is a
    // Monday, and an ISO week is the week of its Thursday, numbered in the
    // Thursday's year.
    void everyDay()
    {
        QList<std::pair<QDate, int>> days; // with the day of the year
        for (QDate day(1900, 1, 1); day.year() <= 2101; day = day.addDays(1))
            days.emplace_back(day, day.day() == 1 && day.month() == 1 ? 1 : days.last().second + 1);
        for (qint64 i = 0; days[i].first.year() <= 2100; ++i) {
            const auto [date, dayOfYear] = days[i];
            const qint64 fromMonday = i % 7;
            QCOMPARE(std::tuple(date, Dates::quarter(date), Dates::dayOfYear(date), Dates::weekday(date),
                         Dates::isoWeek(date), Dates::daysBetween(days[0].first, date),
                         text(Dates::dateAdd(Dates::Interval::Day, 1, date)), Dates::dateToText(date),
                         text(Dates::textToDate(date.toString(u"d/M/yyyy")))),
                std::tuple(date, (date.month() + 2) / 3, dayOfYear, int(fromMonday + 1) % 7 + 1,
                    (days[i - fromMonday + 3].second - 1) / 7 + 1, i, text(std::optional(days[i + 1].first)),
                    date.toString(u"dd/MM/yyyy"), text(std::optional(date))));
        }
    }

    void dateAdd_data()
    {
        addCaseRows<Dates::Interval, qint64, QDate, QString>(
            QFINDTESTDATA("dateadd.cases"), {"interval", "count", "from", "moved"});
    }

    void dateAdd()
    {
        QFETCH(Dates::Interval, interval);
        QFETCH(qint64, count);
        QFETCH(QDate, from);
        QFETCH(QString, moved);
        QCOMPARE(text(Dates::dateAdd(interval, count, from)), moved);
    }

    void textToDate_data()
    {
        addCaseRows<QString, QString>(QFINDTESTDATA("datetexts.cases"), {"typed", "read"});
    }

    void textToDate()
    {
        QFETCH(QString, typed);
        QFETCH(QString, read);
        const std::optional<QDate> date = Dates::textToDate(typed);
        QCOMPARE(text(date), read);
        QCOMPARE(Dates::isDate(typed), date.has_value());
        if (date) // and back, four digits of year even before 1000
            QCOMPARE(Dates::dateToText(*date), date->toString(u"dd/MM/yyyy"));
    }
};

QTEST_APPLESS_MAIN(TestPlatform)
#include "tst_platform.moc"
