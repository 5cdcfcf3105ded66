#pragma once

#include "platform/integer.h"

#include <QPushButton>

// A push button that acts on the mouse press and reports which button went
// down and the keys held, as the codes of Mouse.
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
