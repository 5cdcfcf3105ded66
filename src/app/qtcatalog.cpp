#include "qtcatalog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

QtCatalog::QtCatalog(QObject *parent) : QTranslator(parent)
{
    // Package qt6-translations-l10n; without it Qt's texts stay English.
    if (load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(this);
    else
        qWarning("Qt's Italian catalog (qtbase_it.qm) is not installed: Qt's own texts stay English");
}
