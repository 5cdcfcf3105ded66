#include "pressbutton.h"

#include "platform/mouse.h"

#include <QGuiApplication>
#include <QMouseEvent>

PressButton::PressButton(const QString &text, QWidget *parent) : QPushButton(text, parent) { }

Integer PressButton::buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return Mouse::LeftButton;
    case Qt::RightButton:
        return Mouse::RightButton;
    case Qt::MiddleButton:
        return Mouse::MiddleButton;
    default:
        return 0;
    }
}

Integer PressButton::shiftCode(Qt::KeyboardModifiers modifiers)
{
    Integer code = Mouse::NoKeys;
    if (modifiers & Qt::ShiftModifier)
        code |= Mouse::ShiftKey;
    if (modifiers & Qt::ControlModifier)
        code |= Mouse::CtrlKey;
    if (modifiers & Qt::AltModifier)
        code |= Mouse::AltKey;
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
