#pragma once

#include "platform/integer.h"

#include <QPushButton>

// A push button that acts on the mouse press and reports which button went
// down (1 left, 2 right, 4 middle) and the keys held (1 Shift, 2 Ctrl, 4 Alt).
class PressButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PressButton(const QString &text, QWidget *parent = nullptr);

    static Integer buttonCode(Qt::MouseButton button);
    static Integer shiftCode(Qt::KeyboardModifiers modifiers);

Q_SIGNALS:
    void mouseDown(Integer button, Integer shift);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
