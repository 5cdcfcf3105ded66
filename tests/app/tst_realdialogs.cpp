// The real window with the real Qt dialogs on an X display: what a user sees
// in a prompt and a message box, and that answering them moves the calendar.
#include "app/calendar.h"
#include "app/qtdialogservice.h"
#include "app/rur_irozuvod.h"
#include "fixedclock.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestRealDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void promptsAndMessages();

private:
    void init();
    // Answers the next modal dialog once it shows: types `text` if it is a
    // prompt, records what it shows, and presses `button`.
    void answerNextDialog(const QString &text, const QString &button = QStringLiteral("OK"));
    static QStringList buttonTexts(QWidget *dialog);

    FixedClock m_clock {QDateTime(QDate(2026, 12, 5), QTime(9, 0))};
    QtDialogService m_dialogs;
    std::unique_ptr<Rur_Irozuvod> m_window;
    QStringList m_seen; // title, text, buttons and position of each dialog answered
};

void TestRealDialogs::init()
{
    m_seen.clear();
    m_window = std::make_unique<Rur_Irozuvod>(m_dialogs, m_clock);
    m_dialogs.setParentWindow(m_window.get());
    m_window->move(80, 60);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

QStringList TestRealDialogs::buttonTexts(QWidget *dialog)
{
    QStringList texts;
    for (auto *button : dialog->findChildren<QPushButton *>())
        texts << button->text();
    texts.sort();
    return texts;
}

void TestRealDialogs::answerNextDialog(const QString &text, const QString &button)
{
    QTimer::singleShot(20, this, [this, text, button] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return answerNextDialog(text, button); // not up yet
        QPushButton *pressed = nullptr;
        for (auto *candidate : dialog->findChildren<QPushButton *>())
            pressed = candidate->text() == button ? candidate : pressed;
        if (auto *prompt = qobject_cast<QInputDialog *>(dialog)) {
            auto *field = prompt->findChild<QLineEdit *>();
            m_seen << prompt->windowTitle() << prompt->findChild<QLabel *>()->text() << prompt->textValue()
                   << buttonTexts(prompt).join(u',')
                   << QStringLiteral("%1,%2").arg(prompt->pos().x()).arg(prompt->pos().y())
                   << field->accessibleName();
            QTest::keyClicks(field, text);
        } else if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            m_seen << box->windowTitle() << box->text() << QString::number(box->icon())
                   << buttonTexts(box).join(u',');
        }
        QTest::mouseClick(pressed, Qt::LeftButton);
    });
}

void TestRealDialogs::promptsAndMessages()
{
    init();
    answerNextDialog(QStringLiteral("22/2010"));
    QTest::mouseDClick(m_window->findChild<QLabel *>(QStringLiteral("Lab_Week1_1")), Qt::LeftButton);
    QCOMPARE(m_window->calendar()->value(), QDate(2010, 5, 31));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Lab_Week_1"))->text(), QStringLiteral("22"));

    answerNextDialog(QStringLiteral("54"));
    answerNextDialog(QString());
    m_window->Lab_Week_DblClick(1);
    QTRY_COMPARE(m_seen.size(), 16); // two prompts and a message box

    const QPoint frame = m_window->frameGeometry().topLeft();
    const QStringList expected {QStringLiteral("Calcolo del primo giorno della settimana"),
        QStringLiteral("Settimana numero:\n\n(esempio: 22 oppure 22/2010)"), // shown with line breaks
        QString(), QStringLiteral("Annulla,OK"),
        QStringLiteral("%1,%2").arg((frame.x() * 15 + 350) / 15).arg((frame.y() * 15 + 600) / 15),
        QStringLiteral("Settimana numero:"), // the field is named after the prompt's first line
        QStringLiteral("Fastorio"),
        QStringLiteral("Attenzione: il numero della settimana deve essere compreso tra 1 e 53"),
        QString::number(QMessageBox::Warning), QStringLiteral("OK")};
    QCOMPARE(m_seen.mid(0, 6), expected.mid(0, 6));
    QCOMPARE(m_seen.mid(m_seen.size() - 4), expected.mid(6));
    QCOMPARE(m_window->calendar()->value(), QDate(2010, 5, 31));

    // Annulla after typing is a cancel: nothing moves and nothing is said.
    answerNextDialog(QStringLiteral("+2"), QStringLiteral("Annulla"));
    m_window->Lab_Week_DblClick(1);
    QCOMPARE(m_seen.size(), 22);
    QCOMPARE(m_window->calendar()->value(), QDate(2010, 5, 31));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestRealDialogs)
#include "tst_realdialogs.moc"
