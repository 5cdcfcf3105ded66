#pragma once

#include <QObject>
#include <QPalette>

#include <functional>

class QWidget;

// Keeps a widget's palette derived from the scheme, the palette its parent
// hands down: now, and again whenever the scheme changes, since a desktop can
// switch between a light and a dark scheme while the program runs.
class PaletteRule : public QObject
{
    Q_OBJECT

public:
    using Derive = std::function<QPalette(const QPalette &scheme)>;

    // Owned by `widget`.
    PaletteRule(QWidget *widget, Derive derive);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QWidget *m_widget;
    Derive m_derive;
};
