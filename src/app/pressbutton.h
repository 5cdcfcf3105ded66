#pragma once

#include "platform/integer.h"

#include <QList>
#include <QPushButton>

class QMenu;

// A push button that acts on the mouse press and reports which button went
// down and the keys held, as the codes of Mouse. Its functions are reachable
// without a mouse too: Space or Return act as a left press, the menu key or
// Shift+F10 open a menu of every function, and a screen reader sees each
// function as an action. Either way the press is reported the same.
class PressButton : public QPushButton
{
    Q_OBJECT

public:
    struct Function {
        QString name;
        Integer button;
        Integer shift;
    };

    explicit PressButton(const QString &text, QWidget *parent = nullptr);

    // In menu order.
    void setFunctions(const QList<Function> &functions);
    const QList<Function> &functions() const { return m_functions; }
    void runFunction(qsizetype index);

    // Return, or the keypad's Enter, on a focused button acts as Space: a click.
    // False for any other key.
    static bool clickOnReturn(QAbstractButton *button, const QKeyEvent *event);

    static Integer buttonCode(Qt::MouseButton button);
    static Integer shiftCode(Qt::KeyboardModifiers modifiers);

Q_SIGNALS:
    void mouseDown(Integer button, Integer shift);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void onClicked();
    void openFunctionMenu();

    QList<Function> m_functions;
    QMenu *m_menu;
    bool m_releasingMouse = false;
};
