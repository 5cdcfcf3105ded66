#include "pressbutton.h"

#include "platform/mouse.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>

PressButton::PressButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent), m_menu(new QMenu(this))
{
    connect(this, &QAbstractButton::clicked, this, &PressButton::onClicked);
}

void PressButton::setFunctions(const QList<Function> &functions)
{
    m_functions = functions;
    m_menu->clear();
    for (qsizetype index = 0; index < functions.size(); ++index) {
        connect(m_menu->addAction(functions[index].name), &QAction::triggered, this, [this, index] {
            runFunction(index);
        });
    }
}

void PressButton::runFunction(qsizetype index)
{
    if (index >= 0 && index < m_functions.size())
        Q_EMIT mouseDown(m_functions[index].button, m_functions[index].shift);
}

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

// The click that ends a mouse press was acted on at the press already.
void PressButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_releasingMouse = true;
    QPushButton::mouseReleaseEvent(event);
    m_releasingMouse = false;
}

// Space, Return and a screen reader's press all end in a click.
void PressButton::onClicked()
{
    if (!m_releasingMouse)
        Q_EMIT mouseDown(Mouse::LeftButton, Mouse::NoKeys);
}

bool PressButton::clickOnReturn(QAbstractButton *button, const QKeyEvent *event)
{
    // The keypad's Enter comes with the keypad's modifier; any other key held refuses.
    if ((event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    button->click();
    return true;
}

void PressButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        openFunctionMenu();
    } else if (!clickOnReturn(this, event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
}

// A right press already shows the help; only the keyboard asks for the menu here.
void PressButton::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        openFunctionMenu();
    event->accept();
}

void PressButton::openFunctionMenu()
{
    m_menu->popup(mapToGlobal(rect().bottomLeft()));
    // Opened from the keyboard: its first entry is active, and read at once.
    if (!m_menu->actions().isEmpty())
        m_menu->setActiveAction(m_menu->actions().constFirst());
}
