// The platform services: dates and their text, whole numbers and the numbers in typed text.
#include "casefile.h"
#include "platform/dates.h"
#include "platform/integer.h"
#include "platform/numbertext.h"

#include <QLocale>

#include <clocale>

template<>
Dates::Interval caseField<Dates::Interval>(const QString &field)
{
    if (field == QLatin1String("q"))
        return Dates::Interval::Quarter;
    return field == QLatin1String("ww") ? Dates::Interval::Week : Dates::Interval::Day;
}

static QString text(std::optional<Integer> value)
{
    return value ? QString::number(*value) : QStringLiteral("refused");
}

static QString text(std::optional<QDate> date)
{
    return date ? date->toString(Qt::ISODate) : QStringLiteral("refused");
}

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs under an Italian locale, whose decimal separator is ",".
    void initTestCase()
    {
        std::setlocale(LC_ALL, "it_IT.UTF-8");
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

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
                    (days[i - fromMonday + 3].second - 1) / 7 + 1, i, text(days[i + 1].first),
                    date.toString(u"dd/MM/yyyy"), text(date)));
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
