#include "pdfanswer.h"

#include "commandline/commandline.h"
#include "commandline/pagerequest.h"
#include "commandline/terminal.h"
#include "feasts/yearpage.h"
#include "yearsheet.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace
{

// Standard error keeps to the program's own lines: Qt's warnings (no
// XDG_RUNTIME_DIR, a font looked for) are dropped.
void keepQuiet(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type == QtFatalMsg) {
        CommandLine::write(stderr, CommandLine::notWrittenText());
        std::_Exit(CommandLine::FailedStatus);
    }
}

} // namespace

namespace Paper
{

int writeYearPdf(const CommandLine::PrintPage &request, int &argc, char **argv)
{
    if (isatty(STDOUT_FILENO)) {
        CommandLine::write(stderr, CommandLine::pageOnTerminalText(request.year));
        return CommandLine::RefusedStatus;
    }
    qInstallMessageHandler(keepQuiet);
    // The fonts need an application object; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    const QByteArray file = yearPdf(Feasts::yearPage(request.year, request.comune));
    const bool whole =
        std::fwrite(file.constData(), 1, std::size_t(file.size()), stdout) == std::size_t(file.size());
    if (std::fflush(stdout) == 0 && whole)
        return 0;
    CommandLine::write(stderr, CommandLine::notWrittenText());
    return CommandLine::FailedStatus;
}

} // namespace Paper
