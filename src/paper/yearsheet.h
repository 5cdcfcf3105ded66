#pragma once

#include <QByteArray>

class QPagedPaintDevice;
namespace Feasts
{
struct YearPage;
}

// A year's calendar on paper: the core's layout painted on one page, the same
// for a PDF file and for a printer.
namespace Paper
{

// A4 landscape, drawn to the edges: the page keeps margins of its own.
void setUpPage(QPagedPaintDevice &device);

// Paints `page` on the device's current page, scaled to fit its paper.
void paintYearPage(QPagedPaintDevice &device, const Feasts::YearPage &page);

// The one-page PDF file of `page`; needs a QGuiApplication, for the fonts.
QByteArray yearPdf(const Feasts::YearPage &page);

} // namespace Paper
