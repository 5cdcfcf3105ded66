#pragma once

#include <QAccessibleWidget>

#include <functional>

// What a screen reader sees of a control whose functions it can run by name:
// the control's text as its name, and one action per function. An action runs
// once the screen reader's call has returned, since it may open a modal dialog.
class NamedActionsAccessible : public QAccessibleWidget
{
public:
    NamedActionsAccessible(QWidget *widget, QAccessible::Role role, std::function<QStringList()> names,
        std::function<void(qsizetype)> run);

    QString text(QAccessible::Text text) const override;
    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    std::function<QStringList()> m_names;
    std::function<void(qsizetype)> m_run;
};
