#include "app/qtcatalog.h"
#include "app/qtdialogservice.h"
#include "app/rur_irozuvod.h"
#include "platform/clock.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(FASTORIO_APP_ID));
    QtCatalog qtItalian;
    QtDialogService dialogs;
    SystemClock clock;
    Rur_Irozuvod window(dialogs, clock);
    dialogs.setParentWindow(&window);
    window.show();
    return app.exec();
}
