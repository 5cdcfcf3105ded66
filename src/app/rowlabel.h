#pragma once

#include <QLabel>

// A label of the information row; a double-click reports the label's index
// in the row (0 quarter, 1 week, 2 day of the year).
class RowLabel : public QLabel
{
    Q_OBJECT

public:
    RowLabel(int index, const QString &text, QWidget *parent = nullptr);

    int index() const { return m_index; }

Q_SIGNALS:
    void doubleClicked(int index);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
};
