#pragma once

#include <QFile>
#include <QList>
#include <QStringList>
#include <QTest>

// Reads a table of test cases kept beside a test: one case a line, fields
// separated by "|" and trimmed, blank lines and lines starting with "#" skipped. In a
// field, "\r" and "\n" stand for a carriage return and a line feed, and
// "<blank>" for a field made of one blank.
inline QList<QStringList> readCases(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the case file %s", qPrintable(path));
    QList<QStringList> cases;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(u'|');
        for (QString &field : fields) {
            field = field.trimmed();
            field.replace(QLatin1String("\\r"), QLatin1String("\r"));
            field.replace(QLatin1String("\\n"), QLatin1String("\n"));
            field.replace(QLatin1String("<blank>"), QLatin1String(" "));
        }
        cases.append(fields);
    }
    return cases;
}

// A whole expected text kept in a file beside the test, read as UTF-8.
inline QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}
