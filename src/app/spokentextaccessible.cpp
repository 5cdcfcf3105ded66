#include "spokentextaccessible.h"

SpokenTextAccessible::SpokenTextAccessible(
    QObject *parent, QAccessible::Role role, std::function<QString()> text)
    : m_parent(parent), m_role(role), m_text(std::move(text))
{
}

// One notice at a time: the last one is forgotten when the next is made, so
// that a reader never finds an old text under a new event.
void SpokenTextAccessible::announce(QObject *window, const QString &text)
{
    if (!QAccessible::isActive())
        return;
    static QAccessible::Id last = 0;
    if (last)
        QAccessible::deleteAccessibleInterface(last);
    auto *notice = new SpokenTextAccessible(window, QAccessible::Notification, [text] {
        return text;
    });
    last = QAccessible::registerAccessibleInterface(notice);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QAccessibleInterface *SpokenTextAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_parent.data());
}

QString SpokenTextAccessible::text(QAccessible::Text text) const
{
    return text == QAccessible::Name ? m_text() : QString();
}
