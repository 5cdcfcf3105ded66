#include "yearprinting.h"

#include "feasts/yearpage.h"
#include "paper/yearsheet.h"

#include <QPrintDialog>
#include <QPrinter>

void printYearPage(QWidget *parent, Integer year)
{
    QPrinter printer(QPrinter::HighResolution);
    Paper::setUpPage(printer);
    printer.setDocName(QStringLiteral("Calendario ") + QString::number(year));
    QPrintDialog dialog(&printer, parent);
    // One page: no range to choose, nor copies collated.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted)
        Paper::paintYearPage(printer, Feasts::yearPage(year));
}
