#pragma once

#include <QProxyStyle>

// The application's style, except that a table's grid lines take the
// palette's Mid colour in every style: Fusion, for one, makes its own from the
// window colour.
class GridLineStyle : public QProxyStyle
{
public:
    GridLineStyle();

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
        QStyleHintReturn *returnData = nullptr) const override;
};
