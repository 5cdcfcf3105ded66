#pragma once

#include <QDate>
#include <QFile>
#include <QStringList>
#include <QTest>

#include <array>

// Tables of test cases kept beside a test, one case a line: the row's name,
// then one field per column, separated by "|" and trimmed. Blank lines and
// lines starting with "#" are skipped. In a text field "\r", "\n" and "\t"
// stand for a carriage return, a line feed and a tab, and "<blank>" for one
// blank.

// A field read as a column of type T; a test adds its own types by
// specialising this.
template<class T>
T caseField(const QString &field);

template<>
inline QString caseField<QString>(const QString &field)
{
    QString text = field;
    text.replace(QLatin1String("\\r"), QLatin1String("\r"));
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\\t"), QLatin1String("\t"));
    text.replace(QLatin1String("<blank>"), QLatin1String(" "));
    return text;
}

template<>
inline int caseField<int>(const QString &field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok)
        qFatal("not a whole number in a case file: %s", qPrintable(field));
    return value;
}

template<>
inline double caseField<double>(const QString &field)
{
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok)
        qFatal("not a number in a case file: %s", qPrintable(field));
    return value;
}

// yyyy-mm-dd; "-" for no date.
template<>
inline QDate caseField<QDate>(const QString &field)
{
    const QDate date = QDate::fromString(field, Qt::ISODate);
    if (!date.isValid() && field != QLatin1String("-"))
        qFatal("not a date in a case file: %s", qPrintable(field));
    return date;
}

// "yes" or "no".
template<>
inline bool caseField<bool>(const QString &field)
{
    if (field != QLatin1String("yes") && field != QLatin1String("no"))
        qFatal("not yes or no in a case file: %s", qPrintable(field));
    return field == QLatin1String("yes");
}

inline QList<QStringList> readCaseLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the case file %s", qPrintable(path));
    QList<QStringList> lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(u'|');
        for (QString &field : fields)
            field = field.trimmed();
        lines.append(fields);
    }
    return lines;
}

// Declares one column of type Ts per name and adds a row for every case of
// the file, for a _data() function.
template<class... Ts>
void addCaseRows(const QString &path, const std::array<const char *, sizeof...(Ts)> &columns)
{
    qsizetype column = 0;
    (QTest::addColumn<Ts>(columns[column++]), ...);
    for (const QStringList &fields : readCaseLines(path)) {
        if (fields.size() != qsizetype(1 + sizeof...(Ts)))
            qFatal("%s: %lld fields instead of %lld in the case \"%s\"", qPrintable(path),
                static_cast<long long>(fields.size()), static_cast<long long>(1 + sizeof...(Ts)),
                qPrintable(fields.first()));
        QTestData &row = QTest::newRow(qPrintable(fields.first()));
        qsizetype field = 1;
        ((row << caseField<Ts>(fields[field++])), ...);
    }
}

// A whole expected text kept in a file beside the test, read as UTF-8.
inline QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}
