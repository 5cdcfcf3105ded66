#include "gridlinestyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>

// A style of the application's kind of its own: a proxy owns its base.
GridLineStyle::GridLineStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) { }

int GridLineStyle::styleHint(
    StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *returnData) const
{
    if (hint == SH_Table_GridLineColor && option)
        return static_cast<int>(option->palette.color(QPalette::Mid).rgba());
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
