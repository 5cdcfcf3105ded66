#include "rowlabel.h"

#include <QMouseEvent>

RowLabel::RowLabel(int index, const QString &text, const QString &actionName, QWidget *parent)
    : QLabel(text, parent), m_index(index), m_actionName(actionName)
{
}

void RowLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked(m_index);
    QLabel::mouseDoubleClickEvent(event);
}
