#include "terminal.h"

#include <QList>

#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace
{

// The encoding named by LC_ALL, LC_CTYPE or LANG, without touching the
// program's own locale.
QByteArray terminalEncoding()
{
    const locale_t environment = newlocale(LC_CTYPE_MASK, "", locale_t(nullptr));
    if (environment == locale_t(nullptr))
        return {};
    QByteArray name = nl_langinfo_l(CODESET, environment);
    freelocale(environment);
    return name;
}

QByteArray encoded(const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    const QByteArray encoding = terminalEncoding();
    // The C locale names ASCII because it names nothing: UTF-8 then, as ever.
    if (encoding.isEmpty() || encoding == "UTF-8" || encoding == "ANSI_X3.4-1968")
        return utf8;
    const iconv_t converter = iconv_open(encoding.constData(), "UTF-8");
    if (reinterpret_cast<std::intptr_t>(converter) == -1) // iconv_open's (iconv_t)-1
        return utf8;
    // Four bytes a character are enough for any terminal's encoding.
    QByteArray result(utf8.size() * 4 + 8, Qt::Uninitialized);
    char *from = utf8.data();
    std::size_t fromLeft = std::size_t(utf8.size());
    char *to = result.data();
    std::size_t toLeft = std::size_t(result.size());
    while (iconv(converter, &from, &fromLeft, &to, &toLeft) == std::size_t(-1) && errno == EILSEQ) {
        // A character the encoding lacks shows as a question mark.
        *to++ = '?';
        --toLeft;
        do {
            ++from;
            --fromLeft;
        } while (fromLeft > 0 && (static_cast<unsigned char>(*from) & 0xC0) == 0x80);
    }
    iconv(converter, nullptr, nullptr, &to, &toLeft);
    iconv_close(converter);
    result.truncate(result.size() - qsizetype(toLeft));
    return result;
}

QtMessageHandler previousHandler = nullptr;

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> heldMessages;

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        CommandLine::write(stderr, CommandLine::noDisplayText());
        std::_Exit(CommandLine::FailedStatus);
    }
    heldMessages.append({type, context.category, text});
}

} // namespace

namespace CommandLine
{

QString notWrittenText()
{
    return QStringLiteral("fastorio: impossibile scrivere la risposta\n");
}

QString noDisplayText()
{
    return QStringLiteral("fastorio: impossibile aprire la finestra: nessuno schermo raggiungibile\n");
}

bool write(std::FILE *stream, const QString &text, bool utf8)
{
    const QByteArray bytes = utf8 ? text.toUtf8() : encoded(text);
    const bool whole =
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size());
    return std::fflush(stream) == 0 && whole;
}

DisplayCheck::DisplayCheck()
{
    previousHandler = qInstallMessageHandler(holdOrEnd);
}

void DisplayCheck::passed()
{
    if (!previousHandler)
        return;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &message : std::as_const(heldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previousHandler(message.type, context, message.text);
    }
    heldMessages.clear();
    previousHandler = nullptr;
}

} // namespace CommandLine
