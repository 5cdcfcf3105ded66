#pragma once

#include <QTranslator>

// Qt's own Italian texts (context menus, the calendar header's editors, every
// text Qt makes) for as long as this object lives; build it before any widget.
class QtCatalog : public QTranslator
{
    Q_OBJECT

public:
    explicit QtCatalog(QObject *parent = nullptr);
};
