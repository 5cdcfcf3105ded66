#pragma once

#include <QLabel>

// A label of the information row; a double-click reports the label's index
// in the row (0 quarter, 1 week, 2 day of the year). A screen reader sees the
// same as one named action.
class RowLabel : public QLabel
{
    Q_OBJECT

public:
    RowLabel(int index, const QString &text, const QString &actionName, QWidget *parent = nullptr);

    int index() const { return m_index; }
    QString actionName() const { return m_actionName; }

Q_SIGNALS:
    void doubleClicked(int index);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
    QString m_actionName;
};
