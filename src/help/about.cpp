#include "about.h"

#include "platform/version.h"

#include <QList>

namespace Help
{

VersionInfo programVersionInfo()
{
    return versionInfoFor(QString::fromLatin1(GeneratedVersion::version));
}

VersionInfo versionInfoFor(QStringView dotted)
{
    const QList<QStringView> parts = dotted.split(u'.');
    const auto part = [&parts](qsizetype index) {
        return Integer(parts.value(index).toShort());
    };
    return {
        QString::fromUtf8(GeneratedVersion::productName),
        part(0),
        part(1),
        part(2),
        QString::fromUtf8(GeneratedVersion::description),
        QString::fromUtf8(GeneratedVersion::legalNotice),
    };
}

QString aboutText(const VersionInfo &info, const QString &captionOggi, const QString &captionDiff)
{
    const QChar cr(u'\r');
    const QString product = info.productName + QStringLiteral(" - Versione ") + QString::number(info.major) +
        u'.' + QString::number(info.minor) + QString::number(info.revision) + cr + cr;
    const QString description = info.description + cr;
    const QString legal =
        info.legalNotice + QStringLiteral(" - Tutti i diritti sono riservati") + cr + cr + cr;
    const QString hint = QStringLiteral("Selezionando con il tasto destro del mouse i tasti ") + captionOggi +
        QStringLiteral(" e ") + captionDiff + QStringLiteral(" sarà possibile") + cr +
        QStringLiteral("visualizzare un messaggio che descrive le funzioni ad essi associate");
    return product + description + legal + hint;
}

QString aboutTitle()
{
    return QStringLiteral("Informazioni su...");
}

} // namespace Help
