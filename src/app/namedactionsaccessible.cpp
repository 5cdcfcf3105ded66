#include "namedactionsaccessible.h"

#include "app/calendar.h"
#include "app/calendargridaccessible.h"
#include "app/pressbutton.h"
#include "app/rowlabel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGuiApplication>
#include <QVariant>
#include <QWidget>

namespace
{

// "?" waits while a dialog is modal, as "M" and "D" do; Qt's own Press would
// stack about boxes over a prompt.
QAccessibleInterface *infoButtonAccessible(QAbstractButton *button)
{
    const auto names = [] {
        return QStringList {QAccessibleActionInterface::pressAction()};
    };
    return new NamedActionsAccessible(button, QAccessible::Button, names, [button](qsizetype) {
        button->click();
    });
}

QAccessibleInterface *controlAccessible(const QString &className, QObject *object)
{
    // A top-level QWidget reads as a mere filler to screen readers.
    if (className == QLatin1String("Rur_Irozuvod"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("PressButton")) {
        auto *button = static_cast<PressButton *>(object);
        const auto names = [button] {
            QStringList list;
            for (const PressButton::Function &function : button->functions())
                list << function.name;
            return list;
        };
        return new NamedActionsAccessible(button, QAccessible::Button, names, [button](qsizetype index) {
            button->runFunction(index);
        });
    }
    // A label's text stays its accessible name, as for any label.
    if (className == QLatin1String("RowLabel")) {
        auto *label = static_cast<RowLabel *>(object);
        const auto names = [label] {
            return QStringList {label->actionName()};
        };
        return new NamedActionsAccessible(label, QAccessible::StaticText, names, [label](qsizetype) {
            Q_EMIT label->doubleClicked(label->index());
        });
    }
    // "?", the window's only plain button; its face is asked for while it is
    // built, before it has a name.
    if (className == QLatin1String("QPushButton") && object->parent() &&
        object->parent()->inherits("Rur_Irozuvod"))
        return infoButtonAccessible(static_cast<QAbstractButton *>(object));
    if (Calendar::isGrid(object))
        return new CalendarGridAccessible(static_cast<QAbstractItemView *>(object));
    return nullptr;
}

} // namespace

void installControlsAccessibility()
{
    static const bool installed = (QAccessible::installFactory(controlAccessible), true);
    Q_UNUSED(installed);
}

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
                // Looked at when the action runs: another action may have opened a dialog since.
                if (!QGuiApplication::modalWindow())
                    run(index);
            },
            Qt::QueuedConnection);
}
