#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include <functional>

// A text that screen readers hear and nothing on screen shows: a notice that
// is spoken when it is shown (see announce), or the header a day of the
// calendar reads its row's numbers from.
class SpokenTextAccessible : public QAccessibleInterface
{
public:
    SpokenTextAccessible(QObject *parent, QAccessible::Role role, std::function<QString()> text);

    // Has screen readers say `text` about `window` now, as a notification
    // shown: Qt 6.4 has no announcement event, and Orca 43 would not hear one.
    static void announce(QObject *window, const QString &text);

    bool isValid() const override { return !m_parent.isNull(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text text) const override;
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QObject> m_parent;
    QAccessible::Role m_role;
    std::function<QString()> m_text;
};
