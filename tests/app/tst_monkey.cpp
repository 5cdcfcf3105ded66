// Thousands of seeded random user actions on the window, checking after each
// one that the window never contradicts itself. Replay a failing run with
// FASTORIO_MONKEY_SEED=<seed printed by the failure>.
#include "calendardriver.h"
#include "dayinfo/daydiff.h"
#include "feasts/holidays.h"
#include "feasts/todaybutton.h"
#include "help/about.h"
#include "help/buttonhelp.h"
#include "navigation/numberentry.h"
#include "windowfixture.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace
{

constexpr int Actions = 4000;

// Answers a user might type: valid, at the limits, and garbage.
QStringList answerGrammar()
{
    QStringList answers = numbers({"22", "22/2010", "+3", "-1", "+", "-", "1/1900", "1/2100", "53/2011",
        "366/2011", "366/2012", "1/2101", "0", "-32768", "+32767", "+32768", "40000", "2010", "2010.5",
        "1899.6", " 2010 ", "03/05/2001", "29/02/1900", "31/12/9999", "01/01/0100", "1/1/29", "22.5", "-1.5",
        "+1.9", "/2010", "22/", "1////2010", "+-+", "--3", "1e5", "abc", "   ", "\t", ".", "/"});
    answers << QString() << QStringLiteral("٣/٢٠١٠") << QStringLiteral("è/à") << QStringLiteral("+\u00a03")
            << QString(10000, u'9') << QString(10000, u'/') << QStringLiteral("-") + QString(5000, u'1')
            << QStringLiteral("22/") + QString(3000, u'2') << QStringLiteral("99999999999999999999/2010");
    return answers;
}

struct Snapshot {
    QDate selected;
    bool armed;
};

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomActionsKeepTheWindowConsistent();

private:
    QString knownMessageProblem(const RecordedMessage &message) const;
};

// Empty when the message is one the program defines, else what is wrong.
QString TestMonkey::knownMessageProblem(const RecordedMessage &message) const
{
    static const QStringList warnings = [] {
        QStringList texts {invalidDateMessage(), invalidYearMessage(),
            QStringLiteral("Attenzione: l'anno deve essere compreso tra 1900 e 2100")};
        for (const Navigation::NumberEntry *entry :
            {&Navigation::weekEntry(), &Navigation::quarterEntry(), &Navigation::dayEntry()}) {
            texts << entry->rangeMessagePrefix + QString::number(entry->low) + QStringLiteral(" e ") +
                    QString::number(entry->high);
            if (!entry->notFoundMessage.isEmpty())
                texts << entry->notFoundMessage;
        }
        return texts;
    }();
    static const QRegularExpression diff(
        QStringLiteral("^Tra il \\d\\d/\\d\\d/\\d{4} ed il \\d\\d/\\d\\d/\\d{4} (c'è 1 giorno|ci sono "
                       "(0|[2-9]|\\d\\d+) giorni)$"));

    if (message.style == MessageStyle::Warning) {
        if (message.title != QLatin1String("Fastorio") || !warnings.contains(message.prompt))
            return QStringLiteral("unknown warning: ") + message.prompt.left(80);
        return {};
    }
    if (message.title == dayDiffTitle())
        return diff.match(message.prompt).hasMatch() ? QString()
                                                     : QStringLiteral("bad count: ") + message.prompt;
    if (message.title == aboutTitle())
        return message.prompt == aboutText(programVersionInfo(), QStringLiteral("M"), QStringLiteral("D"))
            ? QString()
            : QStringLiteral("bad about text");
    if (message.title == buttonHelpTitle(QStringLiteral("M")) ||
        message.title == buttonHelpTitle(QStringLiteral("D"))) {
        const Integer selector = message.title.endsWith(u'M') ? 1 : 2;
        return message.prompt == buttonHelpText(selector) ? QString() : QStringLiteral("bad help text");
    }
    const QString holidays = QStringLiteral("Festività anno ");
    if (message.title.startsWith(holidays)) {
        const int year = message.title.mid(holidays.size()).toInt();
        if (year < 1900 || year > 2100 || message.prompt != holidayListText(static_cast<Integer>(year)))
            return QStringLiteral("bad holiday list: ") + message.title;
        return {};
    }
    return QStringLiteral("unknown message: ") + message.title;
}

void TestMonkey::randomActionsKeepTheWindowConsistent()
{
    const quint32 seed = qEnvironmentVariableIsSet("FASTORIO_MONKEY_SEED")
        ? qEnvironmentVariable("FASTORIO_MONKEY_SEED").toUInt()
        : 20261206u;
    QRandomGenerator random(seed);
    const QStringList answers = answerGrammar();

    WindowFixture f(QDate(2026, 12, 6));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    CalendarDriver driver(f.window.calendar());
    QAbstractItemView *grid = driver.view();
    const QList<QLabel *> labels =
        f.window.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Lab_Week")));
    auto *oggi = f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Oggi"));
    auto *diffButton = f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Diff"));
    auto *info = f.window.findChild<QPushButton *>(QStringLiteral("Cmd_Info"));
    const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
        Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

    bool armed = false;
    int countsCompleted = 0;
    int disarmedWhileArmed = 0;
    int rejections = 0;
    for (int step = 0; step < Actions; ++step) {
        const Snapshot before {f.selected(), f.window.formState().DiffPending};
        f.dialogs.clear();
        for (int i = 0; i < 3; ++i)
            f.dialogs.answers << answers[random.bounded(answers.size())];

        QString action;
        bool pressedD = false;
        Qt::MouseButton button = Qt::NoButton;
        Qt::KeyboardModifiers modifiers;
        switch (random.bounded(9)) {
        case 0: {
            const QModelIndex cell = grid->model()->index(1 + random.bounded(6), 1 + random.bounded(7));
            action = QStringLiteral("pick a cell");
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
            break;
        }
        case 1:
            action = QStringLiteral("key");
            grid->setFocus();
            QTest::keyClick(grid, keys[random.bounded(int(std::size(keys)))]);
            break;
        case 2:
            action = QStringLiteral("browse");
            driver.header(random.bounded(2) ? "qt_calendar_nextmonth" : "qt_calendar_prevmonth");
            break;
        case 3: {
            QLabel *label = labels[random.bounded(labels.size())];
            action = QStringLiteral("double-click ") + label->objectName() + QStringLiteral(" answering ") +
                f.dialogs.answers.first().left(30);
            QTest::mouseDClick(label, Qt::LeftButton);
            break;
        }
        case 4:
        case 5:
        case 6:
        case 7: {
            QPushButton *target = random.bounded(4) == 0 ? oggi : diffButton;
            pressedD = target == diffButton;
            button = buttons[random.bounded(3)];
            if (random.bounded(2))
                modifiers |= Qt::ShiftModifier;
            if (random.bounded(3) == 0)
                modifiers |= Qt::ControlModifier;
            if (random.bounded(5) == 0)
                modifiers |= Qt::AltModifier;
            action = QStringLiteral("press %1 button %2 modifiers %3 answering %4")
                         .arg(target->text())
                         .arg(int(button))
                         .arg(int(modifiers))
                         .arg(f.dialogs.answers.first().left(30));
            QTest::mousePress(target, button, modifiers);
            QTest::mouseRelease(target, button, modifiers);
            break;
        }
        default:
            action = QStringLiteral("about");
            QTest::mouseClick(info, Qt::LeftButton);
            break;
        }

        const QString where = QStringLiteral("seed %1, action %2 (%3)").arg(seed).arg(step).arg(action);
        QVERIFY2(f.window.isVisible() && f.programEnds == 0, qPrintable(where));
        QVERIFY2(f.row() == expectedRow(f.selected()), qPrintable(where + QStringLiteral(": row")));

        bool warned = false;
        bool counted = false;
        for (const RecordedMessage &message : std::as_const(f.dialogs.messages)) {
            const QString problem = knownMessageProblem(message);
            QVERIFY2(problem.isEmpty(), qPrintable(where + QStringLiteral(": ") + problem));
            warned |= message.style == MessageStyle::Warning;
            counted |= message.title == dayDiffTitle();
        }
        if (warned && f.dialogs.messages.size() == 1) {
            ++rejections;
            QVERIFY2(f.selected() == before.selected,
                qPrintable(where + QStringLiteral(": a rejected entry moved")));
            QVERIFY2(f.window.formState().DiffPending == before.armed,
                qPrintable(where + QStringLiteral(": a rejected entry changed the count")));
        }

        // The count model: armed by a plain left press on "D", disarmed by
        // Shift + left or by the count's own message.
        if (counted) {
            QVERIFY2(armed, qPrintable(where + QStringLiteral(": a count nobody armed")));
            armed = false;
            ++countsCompleted;
        }
        if (pressedD && button == Qt::LeftButton && modifiers == Qt::NoModifier)
            armed = true;
        if (pressedD && button == Qt::LeftButton && modifiers == Qt::ShiftModifier) {
            disarmedWhileArmed += armed ? 1 : 0;
            armed = false;
        }
        QVERIFY2(
            f.window.formState().DiffPending == armed, qPrintable(where + QStringLiteral(": DiffPending")));
    }

    // The run must have reached the states it checks, or it proved little.
    qInfo("seed %u: %d counts completed, %d disarmed while armed, %d entries rejected", seed, countsCompleted,
        disarmedWhileArmed, rejections);
    QVERIFY(countsCompleted > 20);
    QVERIFY(disarmedWhileArmed > 5);
    QVERIFY(rejections > 20);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
