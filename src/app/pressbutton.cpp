#include "pressbutton.h"

#include <QGuiApplication>
#include <QMouseEvent>

PressButton::PressButton(const QString &text, QWidget *parent) : QPushButton(text, parent) { }

Integer PressButton::buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

Integer PressButton::shiftCode(Qt::KeyboardModifiers modifiers)
{
    Integer code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

void PressButton::mousePressEvent(QMouseEvent *event)
{
    QPushButton::mousePressEvent(event);
    event->accept(); // every button acts here, not only the left one
    Q_EMIT mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()));
    // A prompt or message opened by the press took the release with it: let
    // the button come back up instead of waiting for a release that never comes.
    if (isDown() && !(QGuiApplication::mouseButtons() & event->button()))
        setDown(false);
}
