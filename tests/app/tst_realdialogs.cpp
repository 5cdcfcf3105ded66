// The real window with the real Qt dialogs on an X display: what a user sees
// in the prompts and message boxes, and that answering them moves the calendar.
#include "app/rur_irozuvod.h"
#include "fixedclock.h"
#include "platform/calendar.h"
#include "platform/qtdialogservice.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class TestRealDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void weekPromptMovesTheCalendar();
    void warningMessageBox();
    void easterFromTheMButtonLeavesItUp();
    void closeEndsTheProgram();

private:
    // Runs `answer` on the modal dialog that `action` opens, once it is shown.
    template<class Dialog>
    void whenModal(const std::function<void(Dialog *)> &answer)
    {
        m_answered = false;
        auto *poll = new QTimer(this);
        poll->setInterval(20);
        connect(poll, &QTimer::timeout, this, [this, poll, answer] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            answer(dialog);
            m_answered = true;
        });
        poll->start();
    }

    static QPushButton *button(QDialog *dialog, const QString &text)
    {
        for (auto *candidate : dialog->findChildren<QPushButton *>()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }

    FixedClock m_clock {QDateTime(QDate(2026, 12, 5), QTime(9, 0))};
    QtDialogService m_dialogs;
    std::unique_ptr<Rur_Irozuvod> m_window;
    int m_programEnds = 0;
    bool m_answered = false;
};

void TestRealDialogs::init()
{
    m_window = std::make_unique<Rur_Irozuvod>(m_dialogs, m_clock);
    m_dialogs.setParentWindow(m_window.get());
    m_window->setProgramEnd([this] {
        ++m_programEnds;
    });
    m_window->move(80, 60);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestRealDialogs::cleanup()
{
    m_window.reset();
}

void TestRealDialogs::weekPromptMovesTheCalendar()
{
    QString label;
    QString title;
    QPoint position;
    QStringList buttons;
    whenModal<QInputDialog>([&](QInputDialog *prompt) {
        label = prompt->findChild<QLabel *>()->text();
        title = prompt->windowTitle();
        position = prompt->pos();
        for (auto *b : prompt->findChildren<QPushButton *>())
            buttons << b->text();
        prompt->findChild<QLineEdit *>()->setText(QStringLiteral("22/2010"));
        QTest::mouseClick(button(prompt, QStringLiteral("OK")), Qt::LeftButton);
    });

    QTest::mouseDClick(m_window->findChild<QLabel *>(QStringLiteral("Lab_Week1_1")), Qt::LeftButton);

    QVERIFY(m_answered);
    QCOMPARE(label, QStringLiteral("Settimana numero:\n\n(esempio: 22 oppure 22/2010)"));
    QCOMPARE(title, QStringLiteral("Calcolo del primo giorno della settimana"));
    QCOMPARE(position,
        QPoint((m_window->frameGeometry().x() * 15 + 350) / 15,
            (m_window->frameGeometry().y() * 15 + 600) / 15));
    buttons.sort();
    QCOMPARE(buttons, QStringList({QStringLiteral("Annulla"), QStringLiteral("OK")}));
    QCOMPARE(m_window->calendar()->value(), QDate(2010, 5, 31));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Lab_Week_1"))->text(), QStringLiteral("22"));
}

void TestRealDialogs::warningMessageBox()
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QString title;
    whenModal<QInputDialog>([&](QInputDialog *prompt) {
        prompt->findChild<QLineEdit *>()->setText(QStringLiteral("54"));
        QTest::mouseClick(button(prompt, QStringLiteral("OK")), Qt::LeftButton);
        whenModal<QMessageBox>([&](QMessageBox *box) {
            icon = box->icon();
            text = box->text();
            title = box->windowTitle();
            QTest::mouseClick(button(box, QStringLiteral("OK")), Qt::LeftButton);
        });
    });

    m_window->Lab_Week_DblClick(1);

    QTRY_VERIFY(m_answered);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(text, QStringLiteral("Attenzione: il numero della settimana deve essere compreso tra 1 e 53"));
    QCOMPARE(title, QStringLiteral("Fastorio"));
    QCOMPARE(m_window->calendar()->value(), QDate(2026, 12, 5));
}

void TestRealDialogs::easterFromTheMButtonLeavesItUp()
{
    auto *oggi = m_window->findChild<QPushButton *>(QStringLiteral("Cmd_Oggi"));
    QString proposed;
    whenModal<QInputDialog>([&](QInputDialog *prompt) {
        proposed = prompt->textValue();
        prompt->findChild<QLineEdit *>()->setText(QStringLiteral("2010"));
        QTest::mouseClick(button(prompt, QStringLiteral("OK")), Qt::LeftButton);
    });

    QTest::mousePress(oggi, Qt::RightButton, Qt::ShiftModifier);

    QVERIFY(m_answered);
    QCOMPARE(proposed, QStringLiteral("2026"));
    QCOMPARE(m_window->calendar()->value(), QDate(2010, 4, 4));
    QVERIFY(!oggi->isDown());
    QTRY_VERIFY(m_window->calendar()->isAncestorOf(QApplication::focusWidget()));
    QTest::mouseRelease(oggi, Qt::RightButton, Qt::ShiftModifier);
}

void TestRealDialogs::closeEndsTheProgram()
{
    QVERIFY(!m_window->close());
    QCOMPARE(m_programEnds, 1);
}

QTEST_MAIN(TestRealDialogs)
#include "tst_realdialogs.moc"
