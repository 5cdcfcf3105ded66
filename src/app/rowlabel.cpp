#include "rowlabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace
{

// A label's text stays its accessible name, as for any label; the action runs
// once the screen reader's call has returned, since it opens a modal prompt.
class RowLabelAccessible : public QAccessibleWidget
{
public:
    explicit RowLabelAccessible(RowLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) { }

    QString text(QAccessible::Text text) const override
    {
        if (text == QAccessible::Name)
            return label()->text();
        return QAccessibleWidget::text(text);
    }

    QStringList actionNames() const override { return {label()->actionName()}; }

    void doAction(const QString &name) override
    {
        if (name == label()->actionName())
            QMetaObject::invokeMethod(
                label(),
                [label = label()] {
                    Q_EMIT label->doubleClicked(label->index());
                },
                Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    RowLabel *label() const { return static_cast<RowLabel *>(widget()); }
};

QAccessibleInterface *rowLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("RowLabel") && object && object->isWidgetType())
        return new RowLabelAccessible(static_cast<RowLabel *>(object));
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
