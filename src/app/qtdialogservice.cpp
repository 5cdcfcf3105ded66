#include "qtdialogservice.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <memory>

namespace
{

// The width a window needs for its title bar to show the whole title: the
// title in the desktop's title font as Qt reports it, and room for a bar's
// icon and three buttons, about a line high each, on either side of a centred
// title.
int titleWidth(const QString &title)
{
    const QFontMetrics titleBar(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    return titleBar.horizontalAdvance(title) + 6 * titleBar.lineSpacing();
}

// The default answer, selected, is written once the prompt has the keyboard,
// unless an answer is already there: written before, a screen reader reads
// it, and its selection, ahead of the prompt's title.
void fillWhenActive(QInputDialog &dialog, const QString &defaultText)
{
    auto filling = std::make_shared<QMetaObject::Connection>();
    *filling = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &dialog,
        [&dialog, defaultText, filling](const QWindow *window) {
            if (window != dialog.windowHandle())
                return;
            QObject::disconnect(*filling);
            if (!dialog.textValue().isEmpty())
                return; // already answered, by a screen reader's text
            dialog.setTextValue(defaultText);
            if (auto *field = dialog.findChild<QLineEdit *>())
                field->selectAll();
        });
}

} // namespace

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
    const QString shown = displayText(prompt);
    dialog.setLabelText(shown);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    // The label carries the program's own text: never read it as markup.
    if (auto *label = dialog.findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    if (auto *field = dialog.findChild<QLineEdit *>()) {
        // Screen readers name the field after the prompt's first line and
        // read the whole prompt as its description.
        field->setAccessibleName(shown.section(u'\n', 0, 0));
        field->setAccessibleDescription(shown);
        // The dialog's layout sizes it to its contents: the field carries the
        // width the title needs.
        if (dialog.layout()) {
            const QMargins margins = dialog.layout()->contentsMargins();
            field->setMinimumWidth(titleWidth(title) - margins.left() - margins.right());
        }
    }
    dialog.adjustSize();
    dialog.move(leftTwips / TwipsPerPixel, topTwips / TwipsPerPixel);
    dialog.raise();
    dialog.activateWindow();
    fillWhenActive(dialog, defaultText);
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
    // QMessageBox wraps a text wider than 500 pixels, mid-sentence; the
    // program's lines stay whole where the screen has room (beyond about 800
    // pixels in all, Qt would break them inside words).
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        for (const QString &line : box.text().split(u'\n'))
            widest = qMax(widest, label->fontMetrics().horizontalAdvance(line));
        if (widest <= qMin(box.screen()->availableSize().width() / 2, 700))
            label->setMinimumWidth(widest);
    }
    box.raise();
    box.activateWindow();
    box.exec();
}
