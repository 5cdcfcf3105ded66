#include "qtdialogservice.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

QtDialogService::QtDialogService(QWidget *parent) : m_parent(parent) { }

QString QtDialogService::displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

QString QtDialogService::inputBox(
    const QString &prompt, const QString &title, const QString &defaultText, int leftTwips, int topTwips)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    // The label carries the program's own text: never read it as markup.
    if (auto *label = dialog.findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    // Screen readers name the field after the prompt's first line and read
    // the whole prompt as its description.
    const QString shown = displayText(prompt);
    if (auto *field = dialog.findChild<QLineEdit *>()) {
        field->setAccessibleName(shown.section(u'\n', 0, 0));
        field->setAccessibleDescription(shown);
    }
    dialog.adjustSize();
    dialog.move(leftTwips / TwipsPerPixel, topTwips / TwipsPerPixel);
    dialog.raise();
    dialog.activateWindow();
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void QtDialogService::msgBox(const QString &prompt, MessageStyle style, const QString &title)
{
    const QMessageBox::Icon icon =
        style == MessageStyle::Warning ? QMessageBox::Warning : QMessageBox::Information;
    QMessageBox box(icon, title, displayText(prompt), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.raise();
    box.activateWindow();
    box.exec();
}
