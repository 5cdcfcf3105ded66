#pragma once

#include <QAccessibleWidget>

#include <functional>

// What a screen reader sees of a control whose functions it can run by name:
// the control's text as its name, and one action per function. An action runs
// once the screen reader's call has returned, since it may open a modal dialog,
// and not at all while a prompt or message is open, as a key would not.
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

// What a screen reader sees of the program's own controls: the window as a
// window, "M", "D" and "?" with an action per function, each label of the row
// with the action of its prompt, and the calendar's days told in full.
// Installed once, before the window is built.
void installControlsAccessibility();
