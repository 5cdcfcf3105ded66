#include "paletterule.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

PaletteRule::PaletteRule(QWidget *widget, Derive derive)
    : QObject(widget), m_widget(widget), m_derive(std::move(derive))
{
    apply();
    widget->installEventFilter(this);
}

bool PaletteRule::eventFilter(QObject *watched, QEvent *event)
{
    // The palette set here raises one more change, which derives the same
    // palette and ends there.
    if (watched == m_widget && event->type() == QEvent::PaletteChange)
        apply();
    return QObject::eventFilter(watched, event);
}

void PaletteRule::apply()
{
    const QWidget *parent = m_widget->parentWidget();
    m_widget->setPalette(m_derive(parent ? parent->palette() : QApplication::palette(m_widget)));
}
