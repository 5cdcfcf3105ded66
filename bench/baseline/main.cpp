// The bare calendar the start-up figures are compared with: Qt's own month
// grid in a top-level window, nothing else.

#include <QApplication>
#include <QCalendarWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCalendarWidget calendar;
    calendar.show();
    return app.exec();
}
