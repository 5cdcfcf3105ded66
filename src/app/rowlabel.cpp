#include "rowlabel.h"

#include <QMouseEvent>

RowLabel::RowLabel(int index, const QString &text, QWidget *parent) : QLabel(text, parent), m_index(index) { }

void RowLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked(m_index);
    QLabel::mouseDoubleClickEvent(event);
}
