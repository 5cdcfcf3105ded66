#include "feasts/holidays.h"
#include "gregorianeaster.h"

#include <QTest>

namespace
{

QStringList holidayLines(int year)
{
    return holidayListText(Integer(year)).split(u'\n');
}

// Reads back the date a line names, "dd Month (...", with the year given.
QDate statedDate(const QString &line, int year)
{
    static const QStringList months = {QStringLiteral("Gennaio"), QStringLiteral("Febbraio"),
        QStringLiteral("Marzo"), QStringLiteral("Aprile"), QStringLiteral("Maggio"), QStringLiteral("Giugno"),
        QStringLiteral("Luglio"), QStringLiteral("Agosto"), QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
    const QString monthName = line.mid(3, line.indexOf(u'(') - 4);
    return QDate(year, int(months.indexOf(monthName)) + 1, line.left(2).toInt());
}

QString statedWeekday(const QString &line)
{
    return line.mid(line.lastIndexOf(QStringLiteral(": ")) + 2);
}

QString italianWeekday(QDate date)
{
    static const QStringList mondayFirst = {QStringLiteral("Lunedì"), QStringLiteral("Martedì"),
        QStringLiteral("Mercoledì"), QStringLiteral("Giovedì"), QStringLiteral("Venerdì"),
        QStringLiteral("Sabato"), QStringLiteral("Domenica")};
    return mondayFirst.value(date.dayOfWeek() - 1);
}

} // namespace

class TestHolidays : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("line");
        const QStringList lines2010 = {QStringLiteral("01 Gennaio (Capodanno): Venerdì"),
            QStringLiteral("06 Gennaio (Epifania di nostro Signore): Mercoledì"),
            QStringLiteral("16 Febbraio (Carnevale): Martedì"),
            QStringLiteral("04 Aprile (Pasqua di nostro Signore): Domenica"),
            QStringLiteral("05 Aprile (Lunedì dell'Angelo): Lunedì"),
            QStringLiteral("25 Aprile (Anniversario della liberazione): Domenica"),
            QStringLiteral("01 Maggio (Festa del lavoro): Sabato"),
            QStringLiteral("02 Giugno (Festa della Repubblica): Mercoledì"),
            QStringLiteral("15 Agosto (Assunzione di Maria Vergine): Domenica"),
            QStringLiteral("01 Novembre (Tutti i Santi): Lunedì"),
            QStringLiteral("08 Dicembre (Immacolata concezione): Mercoledì"),
            QStringLiteral("25 Dicembre (Natale di nostro Signore): Sabato"),
            QStringLiteral("26 Dicembre (Santo Stefano): Domenica")};
        for (int i = 0; i < lines2010.size(); ++i)
            QTest::addRow("2010 line %d", i + 1) << 2010 << i << lines2010[i];

        QTest::newRow("2026 San Francesco")
            << 2026 << 9 << QStringLiteral("04 Ottobre (San Francesco d'Assisi): Domenica");
        QTest::newRow("2026 Tutti i Santi")
            << 2026 << 10 << QStringLiteral("01 Novembre (Tutti i Santi): Domenica");
        QTest::newRow("2027 San Francesco")
            << 2027 << 9 << QStringLiteral("04 Ottobre (San Francesco d'Assisi): Lunedì");
        QTest::newRow("2027 Santo Stefano")
            << 2027 << 13 << QStringLiteral("26 Dicembre (Santo Stefano): Domenica");
        QTest::newRow("2025 Tutti i Santi")
            << 2025 << 9 << QStringLiteral("01 Novembre (Tutti i Santi): Sabato");
        QTest::newRow("2011 Pasquetta on 25 April")
            << 2011 << 4 << QStringLiteral("25 Aprile (Lunedì dell'Angelo): Lunedì");
        QTest::newRow("2011 Liberazione after it")
            << 2011 << 5 << QStringLiteral("25 Aprile (Anniversario della liberazione): Lunedì");
        QTest::newRow("2038 Carnevale in March")
            << 2038 << 2 << QStringLiteral("09 Marzo (Carnevale): Martedì");
        QTest::newRow("2038 Pasqua on 25 April")
            << 2038 << 3 << QStringLiteral("25 Aprile (Pasqua di nostro Signore): Domenica");
        QTest::newRow("2038 Pasquetta")
            << 2038 << 4 << QStringLiteral("26 Aprile (Lunedì dell'Angelo): Lunedì");
        QTest::newRow("2038 unsorted")
            << 2038 << 5 << QStringLiteral("25 Aprile (Anniversario della liberazione): Domenica");
        QTest::newRow("1900 Capodanno") << 1900 << 0 << QStringLiteral("01 Gennaio (Capodanno): Lunedì");
        QTest::newRow("1900 Carnevale") << 1900 << 2 << QStringLiteral("27 Febbraio (Carnevale): Martedì");
        QTest::newRow("2100 Pasqua") << 2100 << 3
                                     << QStringLiteral("28 Marzo (Pasqua di nostro Signore): Domenica");
        QTest::newRow("2100 Carnevale") << 2100 << 2 << QStringLiteral("09 Febbraio (Carnevale): Martedì");
    }

    void lines()
    {
        QFETCH(int, year);
        QFETCH(int, index);
        QFETCH(QString, line);
        QCOMPARE(holidayLines(year).value(index), line);
    }

    // Every year the window accepts: the number of lines, each weekday against
    // the date the line names, and the Easter-based dates against a second
    // Easter algorithm.
    void wholeRange()
    {
        for (int year = 1900; year <= 2100; ++year) {
            const QStringList lines = holidayLines(year);
            QCOMPARE(lines.size(), year < 2026 ? 13 : 14);
            for (const QString &line : lines)
                QCOMPARE(statedWeekday(line), italianWeekday(statedDate(line, year)));
            const QDate easter = gregorianEaster(year);
            QCOMPARE(statedDate(lines[2], year), easter.addDays(-47));
            QCOMPARE(statedDate(lines[3], year), easter);
            QCOMPARE(statedDate(lines[4], year), easter.addDays(1));
            QVERIFY(lines[9].startsWith(
                year < 2026 ? QStringLiteral("01 Novembre") : QStringLiteral("04 Ottobre")));
        }
    }

    void titles()
    {
        QCOMPARE(holidayListTitle(1900), QStringLiteral("Festività anno 1900"));
        QCOMPARE(holidayListTitle(2100), QStringLiteral("Festività anno 2100"));
    }
};

QTEST_APPLESS_MAIN(TestHolidays)
#include "tst_holidays.moc"
