#pragma once

#include <QDate>
#include <QFile>
#include <QTest>

#include <array>
#include <tuple>
#include <type_traits>

// Tables of test cases kept beside a test, one case a line: the row's name,
// then one field per column, separated by "|" and trimmed. Blank lines and
// lines starting with "#" are skipped. In a text field "\r", "\n" and "\t"
// stand for a carriage return, a line feed and a tab, and "<blank>" for one
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
    QString text = field;
    for (const auto &[escape, character] :
        {std::pair {"\\r", "\r"}, {"\\n", "\n"}, {"\\t", "\t"}, {"<blank>", " "}})
        text.replace(QLatin1String(escape), QLatin1String(character));
    return text;
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

// The field at `index` as a column of type T; a QStringList column takes the
// rest of the line, one item a field, none when the line ends before it.
template<class T>
T caseColumn(const QStringList &fields, qsizetype index)
{
    if constexpr (std::is_same_v<T, QStringList>) {
        QStringList items;
        for (const QString &field : fields.sliced(index))
            items << caseField<QString>(field);
        return items;
    } else {
        return caseField<T>(fields[index]);
    }
}

// Declares one column of type Ts per name and adds a row for every case of
// the file, for a _data() function.
template<class... Ts>
void addCaseRows(const QString &path, const std::array<const char *, sizeof...(Ts)> &columns)
{
    constexpr bool restAsList =
        std::is_same_v<std::tuple_element_t<sizeof...(Ts) - 1, std::tuple<Ts...>>, QStringList>;
    qsizetype column = 0;
    (QTest::addColumn<Ts>(columns[column++]), ...);
    for (const QStringList &fields : readCaseLines(path)) {
        if (restAsList ? fields.size() < qsizetype(sizeof...(Ts))
                       : fields.size() != qsizetype(1 + sizeof...(Ts)))
            qFatal("%s: the case \"%s\" has not %d fields", qPrintable(path), qPrintable(fields[0]),
                int(1 + sizeof...(Ts)));
        QTestData &row = QTest::newRow(qPrintable(fields.first()));
        qsizetype field = 1;
        ((row << caseColumn<Ts>(fields, field++)), ...);
    }
}
