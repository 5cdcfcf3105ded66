#include "yearsheet.h"

#include "feasts/yearpage.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace
{

// The page is laid out in points on A4 landscape.
constexpr QSizeF A4Landscape(841.89, 595.28);
constexpr qreal Margin = 30;
constexpr qreal TitleHeight = 44;
constexpr qreal Gutter = 22; // between months
constexpr qreal FooterLine = 10.5; // one day off of the foot
constexpr int FooterColumns = 3;
constexpr int GridRows = 6; // the most weeks a month spans

const QColor Ink(0x1a, 0x1a, 0x1a);
const QColor Red(0xc8, 0x10, 0x2e);
const QColor Grey(0x6e, 0x6e, 0x6e);
const QColor Rule(0xb4, 0xb4, 0xb4);

// Drawing in points on a device of any resolution: a font's size is given in
// the device's points, which the painter's scale enlarges again.
class Sheet
{
public:
    Sheet(QPainter &painter, qreal scale) : m_painter(painter), m_scale(scale) { }

    void text(const QRectF &box, int flags, const QString &text, qreal points, const QColor &colour,
        bool bold = false)
    {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points / m_scale);
        font.setBold(bold);
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(box, flags, text);
    }

    void line(QPointF from, QPointF to, const QColor &colour, qreal width = 0.5)
    {
        m_painter.setPen(QPen(colour, width));
        m_painter.drawLine(from, to);
    }

private:
    QPainter &m_painter;
    qreal m_scale;
};

qreal footerHeight(const Feasts::YearPage &page)
{
    const qsizetype rows = (page.daysOff.size() + FooterColumns - 1) / FooterColumns;
    return qreal(rows) * FooterLine + 14;
}

// Name, weekday initials, the weeks with their ISO numbers, the working days.
void paintMonth(Sheet &sheet, const QRectF &box, const Feasts::PageMonth &month, const QStringList &initials)
{
    const qreal cell = box.width() / 8; // the week's number, then Monday to Sunday
    const qreal row = (box.height() - 36) / (GridRows + 1);
    sheet.text({box.left() + cell, box.top(), box.width() - cell, 16}, Qt::AlignLeft | Qt::AlignVCenter,
        month.name, 11.5, Ink, true);
    const qreal header = box.top() + 18;
    for (int column = 0; column < 7; ++column) {
        sheet.text({box.left() + cell * (column + 1), header, cell, row}, Qt::AlignCenter, initials[column],
            7.5, column == 6 ? Red : Grey, column == 6);
    }
    sheet.line({box.left() + cell, header + row}, {box.right(), header + row}, Rule);
    for (qsizetype week = 0; week < month.weeks.size(); ++week) {
        const qreal top = header + row * qreal(week + 1);
        const Feasts::PageWeek &line = month.weeks[week];
        sheet.text({box.left(), top, cell * 0.8, row}, Qt::AlignRight | Qt::AlignVCenter,
            QString::number(line.week), 6.5, Grey);
        for (std::size_t column = 0; column < line.days.size(); ++column) {
            const Feasts::PageDay &day = line.days[column];
            if (day.day > 0) {
                sheet.text({box.left() + cell * qreal(column + 1), top, cell, row}, Qt::AlignCenter,
                    QString::number(day.day), 9.5, day.off ? Red : Ink, day.off);
            }
        }
    }
    sheet.text({box.left() + cell, header + row * (GridRows + 1) + 3, box.width() - cell, 12},
        Qt::AlignLeft | Qt::AlignVCenter, month.workingDays, 7, Grey);
}

// The year's days off in columns, down each column first.
void paintFooter(Sheet &sheet, const QRectF &box, const QStringList &lines)
{
    sheet.line(box.topLeft(), box.topRight(), Rule);
    const qsizetype rows = (lines.size() + FooterColumns - 1) / FooterColumns;
    const qreal width = box.width() / FooterColumns;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const qsizetype column = index / rows;
        const QRectF place(box.left() + width * qreal(column),
            box.top() + 8 + FooterLine * qreal(index % rows), width - 8, FooterLine);
        sheet.text(place, Qt::AlignLeft | Qt::AlignVCenter, lines[index], 7.5, Ink);
    }
}

void paintOnA4(Sheet &sheet, const Feasts::YearPage &page)
{
    const QRectF paper(QPointF(), A4Landscape);
    const QRectF inside = paper.marginsRemoved({Margin, Margin - 6, Margin, Margin - 6});
    sheet.text({inside.left(), inside.top(), inside.width(), TitleHeight - 10}, Qt::AlignCenter, page.title,
        24, Ink, true);
    const qreal footer = footerHeight(page);
    const QRectF grid(inside.left(), inside.top() + TitleHeight, inside.width(),
        inside.height() - TitleHeight - footer - 8);
    const qreal width = (grid.width() - Gutter * 3) / 4;
    const qreal height = (grid.height() - Gutter) / 3;
    for (int month = 0; month < 12; ++month) {
        const int row = month / 4;
        const QRectF box(grid.left() + (width + Gutter) * (month % 4),
            grid.top() + (height + Gutter / 2) * row, width, height);
        paintMonth(sheet, box, page.months[std::size_t(month)], page.weekdayInitials);
    }
    paintFooter(sheet, {inside.left(), inside.bottom() - footer, inside.width(), footer}, page.daysOff);
}

} // namespace

namespace Paper
{

void setUpPage(QPagedPaintDevice &device)
{
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
}

void paintYearPage(QPagedPaintDevice &device, const Feasts::YearPage &page)
{
    const QSizeF paper = device.pageLayout().fullRectPoints().size();
    // Another paper the user chose: the A4 page, shrunk or grown to fit it, centred.
    const qreal fit = std::min(paper.width() / A4Landscape.width(), paper.height() / A4Landscape.height());
    const qreal scale = device.logicalDpiX() / 72.0;
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.translate(
        (paper.width() - A4Landscape.width() * fit) / 2, (paper.height() - A4Landscape.height() * fit) / 2);
    painter.scale(fit, fit);
    Sheet sheet(painter, scale);
    paintOnA4(sheet, page);
}

QByteArray yearPdf(const Feasts::YearPage &page)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&file);
        setUpPage(writer);
        writer.setResolution(72);
        writer.setCreator(QStringLiteral("Fastorio"));
        writer.setTitle(QStringLiteral("Calendario ") + page.title);
        paintYearPage(writer, page);
    }
    return file.data();
}

} // namespace Paper
