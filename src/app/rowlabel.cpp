#include "rowlabel.h"

#include "app/namedactionsaccessible.h"

#include <QMouseEvent>

namespace
{

// A label's text stays its accessible name, as for any label.
QAccessibleInterface *rowLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("RowLabel") && object && object->isWidgetType())
        return new NamedActionsAccessible(
            static_cast<RowLabel *>(object), QAccessible::StaticText,
            [label = static_cast<RowLabel *>(object)] {
                return QStringList {label->actionName()};
            },
            [label = static_cast<RowLabel *>(object)](qsizetype) {
                Q_EMIT label->doubleClicked(label->index());
            });
    return nullptr;
}

} // namespace

RowLabel::RowLabel(int index, const QString &text, const QString &actionName, QWidget *parent)
    : QLabel(text, parent), m_index(index), m_actionName(actionName)
{
    static const bool accessible = (QAccessible::installFactory(rowLabelAccessible), true);
    Q_UNUSED(accessible);
}

void RowLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked(m_index);
    QLabel::mouseDoubleClickEvent(event);
}
