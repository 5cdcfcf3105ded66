#pragma once

#include "platform/dialogservice.h"

class QWidget;

// The dialogs the user sees: QInputDialog and QMessageBox, modal over the main
// window, with Italian buttons.
class QtDialogService : public DialogService
{
public:
    explicit QtDialogService(QWidget *parent = nullptr);

    // The window is created after the service; prompts and messages open over it.
    void setParentWindow(QWidget *parent) { m_parent = parent; }

    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText, int leftTwips,
        int topTwips) override;
    void msgBox(const QString &prompt, MessageStyle style, const QString &title) override;

    // The program breaks lines with a lone carriage return, which a label
    // would show as a blank; only what is displayed is converted.
    static QString displayText(const QString &text);

private:
    QWidget *m_parent;
};
