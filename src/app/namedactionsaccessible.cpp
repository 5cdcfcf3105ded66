#include "namedactionsaccessible.h"

#include <QVariant>
#include <QWidget>

NamedActionsAccessible::NamedActionsAccessible(QWidget *widget, QAccessible::Role role,
    std::function<QStringList()> names, std::function<void(qsizetype)> run)
    : QAccessibleWidget(widget, role), m_names(std::move(names)), m_run(std::move(run))
{
}

QString NamedActionsAccessible::text(QAccessible::Text text) const
{
    if (text == QAccessible::Name && widget()->accessibleName().isEmpty())
        return widget()->property("text").toString();
    return QAccessibleWidget::text(text);
}

QStringList NamedActionsAccessible::actionNames() const
{
    return m_names();
}

void NamedActionsAccessible::doAction(const QString &name)
{
    const qsizetype index = m_names().indexOf(name);
    if (index >= 0)
        QMetaObject::invokeMethod(
            widget(),
            [run = m_run, index] {
                run(index);
            },
            Qt::QueuedConnection);
}
