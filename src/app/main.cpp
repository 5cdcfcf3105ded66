#include "app/qtcatalog.h"
#include "app/qtdialogservice.h"
#include "app/rur_irozuvod.h"
#include "commandline/commandline.h"
#include "commandline/terminal.h"
#include "paper/pdfanswer.h"
#include "platform/clock.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Answers and refusals are printed before any application object exists:
    // they need no display.
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    const auto outcome = CommandLine::read(arguments);
    if (const auto *print = std::get_if<CommandLine::Print>(&outcome)) {
        if (CommandLine::write(stdout, print->text, print->utf8))
            return 0;
        CommandLine::write(stderr, CommandLine::notWrittenText());
        return CommandLine::FailedStatus;
    }
    if (const auto *page = std::get_if<CommandLine::PrintPage>(&outcome))
        return Paper::writeYearPdf(*page, argc, argv);
    if (const auto *refusal = std::get_if<CommandLine::Refuse>(&outcome)) {
        CommandLine::write(stderr, refusal->text);
        return CommandLine::RefusedStatus;
    }

    CommandLine::DisplayCheck displayCheck;
    QApplication app(argc, argv);
    displayCheck.passed();
    QGuiApplication::setDesktopFileName(QStringLiteral(FASTORIO_APP_ID));
    QtCatalog qtItalian;
    QtDialogService dialogs;
    SystemClock clock;
    Rur_Irozuvod window(dialogs, clock, std::get<CommandLine::OpenWindow>(outcome).startDay);
    dialogs.setParentWindow(&window);
    window.show();
    return app.exec();
}
