#pragma once

#include <QDate>
#include <QFile>
#include <QHash>
#include <QTest>

#include <array>

// Tables of test cases kept beside a test, one case a line: the row's name,
// then one field per column, separated by "|" and trimmed. Blank lines and
// lines starting with "#" are skipped. In a text field "\r", "\n", "\t" and "\\"
// stand for a carriage return, a line feed, a tab and a backslash, and "<blank>" for one
// blank; a date is yyyy-mm-dd, or "-" for none; a bool is "yes" or "no".

// A field read as a column of type T; a test adds its own types by
// specialising this.
template<class T>
T caseField(const QString &field)
{
    // Qt reads a text as true unless it is empty, "0" or "false": "yes" is true.
    QVariant value(field == QLatin1String("no") ? QStringLiteral("false") : field);
    if (!value.convert(QMetaType::fromType<T>()) && field != QLatin1String("-"))
        qFatal("\"%s\" in a case file is no %s", qPrintable(field), QMetaType::fromType<T>().name());
    return value.value<T>();
}

template<>
inline QString caseField<QString>(const QString &field)
{
    const QHash<QChar, QChar> escapes {{u'r', u'\r'}, {u'n', u'\n'}, {u't', u'\t'}, {u'\\', u'\\'}};
    QString text;
    for (qsizetype index = 0; index < field.size(); ++index) {
        const bool escape =
            field[index] == u'\\' && index + 1 < field.size() && escapes.contains(field[index + 1]);
        text += escape ? escapes[field[++index]] : field[index];
    }
    return text.replace(QLatin1String("<blank>"), QLatin1String(" "));
}

// A list: items separated by blanks, each read as a text, "" for an empty one.
template<>
inline QStringList caseField<QStringList>(const QString &field)
{
    QStringList items;
    for (const QString &item : field.split(u' ', Qt::SkipEmptyParts))
        items << (item == u"\"\"" ? QString() : caseField<QString>(item));
    return items;
}

// A whole expected text kept in a file beside the test, read as UTF-8.
inline QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

inline QList<QStringList> readCaseLines(const QString &path)
{
    QList<QStringList> lines;
    for (const QString &line : readText(path).split(u'\n')) {
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
        if (fields.size() != 1 + qsizetype(sizeof...(Ts)))
            qFatal("%s: the case \"%s\" has not %d fields", qPrintable(path), qPrintable(fields[0]),
                int(1 + sizeof...(Ts)));
        QTestData &row = QTest::newRow(qPrintable(fields.first()));
        qsizetype field = 1;
        ((row << caseField<Ts>(fields[field++])), ...);
    }
}
