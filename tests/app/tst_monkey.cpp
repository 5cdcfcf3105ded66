// Thousands of seeded random user actions on the window, checking after each
// one that the window never contradicts itself. Replay a failing run with
// FASTORIO_MONKEY_SEED=<the seed printed>.
#include "calendardriver.h"
#include "casefile.h"
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

class TestMonkey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomActionsKeepTheWindowConsistent();
};

namespace
{

QStringList answerGrammar()
{
    QStringList answers;
    for (const QStringList &row : readCases(QFINDTESTDATA("monkey.answers")))
        for (const QString &answer : row)
            answers << (answer == QLatin1String("<cancel>") ? QString() : answer);
    answers << QString(10000, u'9') << QString(10000, u'/') << QStringLiteral("-") + QString(5000, u'1');
    return answers;
}

// Whether a message is one the program defines, with its style and title.
bool isKnownMessage(const RecordedMessage &m)
{
    static const QStringList warnings = [] {
        QStringList texts {invalidDateMessage(), invalidYearMessage(),
            QStringLiteral("Attenzione: l'anno deve essere compreso tra 1900 e 2100")};
        for (const auto *entry :
            {&Navigation::weekEntry(), &Navigation::quarterEntry(), &Navigation::dayEntry()})
            texts << entry->rangeMessagePrefix + QStringLiteral("%1 e %2").arg(entry->low).arg(entry->high)
                  << entry->notFoundMessage;
        return texts;
    }();
    static const QRegularExpression count(
        QStringLiteral("^Tra il \\d\\d/\\d\\d/\\d{4} ed il \\d\\d/\\d\\d/\\d{4} (c'è 1 giorno|ci sono "
                       "(0|[2-9]|\\d\\d+) giorni)$"));
    const QString holidayTitle = QStringLiteral("Festività anno ");
    if (m.style == MessageStyle::Warning)
        return m.title == QLatin1String("Fastorio") && warnings.contains(m.prompt) && !m.prompt.isEmpty();
    if (m.title.startsWith(holidayTitle))
        return m.prompt == holidayListText(static_cast<Integer>(m.title.mid(holidayTitle.size()).toInt()));
    return (m.title == dayDiffTitle() && count.match(m.prompt).hasMatch()) ||
        (m.title == aboutTitle() &&
            m.prompt == aboutText(programVersionInfo(), QStringLiteral("M"), QStringLiteral("D"))) ||
        (m.title == buttonHelpTitle(QStringLiteral("M")) && m.prompt == buttonHelpText(1)) ||
        (m.title == buttonHelpTitle(QStringLiteral("D")) && m.prompt == buttonHelpText(2));
}

} // namespace

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
    const auto labels = f.window.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Lab_Week")));
    QList<QPushButton *> buttons;
    for (const char *name : {"Cmd_Info", "Cmd_Oggi", "Cmd_Diff"})
        buttons << f.window.findChild<QPushButton *>(QLatin1String(name));
    const Qt::Key keys[] = {
        Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};

    bool armed = false; // the count as the user armed and disarmed it
    int counts = 0, disarms = 0, rejections = 0;
    for (int step = 0; step < 4000; ++step) {
        const QDate before = f.selected();
        const bool armedBefore = f.window.formState().DiffPending;
        f.dialogs.clear();
        for (int i = 0; i < 3; ++i)
            f.dialogs.answers << answers[random.bounded(answers.size())];
        QString action;
        QPushButton *pressed = nullptr;
        Qt::MouseButton button = Qt::LeftButton;
        Qt::KeyboardModifiers held;
        switch (random.bounded(8)) {
        case 0:
            action = QStringLiteral("pick");
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                grid->visualRect(grid->model()->index(1 + random.bounded(6), 1 + random.bounded(7)))
                    .center());
            break;
        case 1:
            action = QStringLiteral("key");
            QTest::keyClick(grid, keys[random.bounded(int(std::size(keys)))]);
            break;
        case 2:
            action = QStringLiteral("browse");
            driver.header(random.bounded(2) ? "qt_calendar_nextmonth" : "qt_calendar_prevmonth");
            break;
        case 3:
            action = QStringLiteral("double-click answering ") + f.dialogs.answers.first().left(20);
            QTest::mouseDClick(labels[random.bounded(labels.size())], Qt::LeftButton);
            break;
        default: // presses on "?", "M" and "D" with any button and keys
            pressed = buttons[std::min(random.bounded(4), 2)]; // "D" half of the time
            button = std::array {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[random.bounded(3)];
            held.setFlag(Qt::ShiftModifier, random.bounded(2));
            held.setFlag(Qt::ControlModifier, random.bounded(3) == 0);
            held.setFlag(Qt::AltModifier, random.bounded(5) == 0);
            action = QStringLiteral("press %1 %2 %3 answering %4")
                         .arg(pressed->text())
                         .arg(int(button))
                         .arg(int(held))
                         .arg(f.dialogs.answers.first().left(20));
            QTest::mousePress(pressed, button, held);
            QTest::mouseRelease(pressed, button, held);
            break;
        }

        const QString where = QStringLiteral("seed %1, action %2 (%3)").arg(seed).arg(step).arg(action);
        QVERIFY2(f.window.isVisible() && f.programEnds == 0, qPrintable(where));
        QVERIFY2(f.row() == expectedRow(f.selected()), qPrintable(where + QStringLiteral(": row")));
        bool counted = false;
        for (const RecordedMessage &message : std::as_const(f.dialogs.messages)) {
            QVERIFY2(
                isKnownMessage(message), qPrintable(where + QStringLiteral(": ") + message.prompt.left(80)));
            counted |= message.title == dayDiffTitle();
        }
        if (f.dialogs.messages.size() == 1 && f.dialogs.messages[0].style == MessageStyle::Warning) {
            ++rejections;
            QVERIFY2(f.selected() == before && f.window.formState().DiffPending == armedBefore,
                qPrintable(where + QStringLiteral(": a rejected entry changed something")));
        }
        if (counted) {
            QVERIFY2(armed, qPrintable(where + QStringLiteral(": a count nobody armed")));
            armed = false;
            ++counts;
        }
        if (pressed && pressed->text() == QLatin1String("D") && button == Qt::LeftButton) {
            if (held == Qt::NoModifier)
                armed = true;
            if (held == Qt::ShiftModifier) {
                disarms += armed;
                armed = false;
            }
        }
        QVERIFY2(
            f.window.formState().DiffPending == armed, qPrintable(where + QStringLiteral(": DiffPending")));
    }
    // The run must have reached the states it checks, or it proved little.
    qInfo("seed %u: %d counts, %d disarmed while armed, %d entries rejected", seed, counts, disarms,
        rejections);
    QVERIFY(counts > 20 && disarms > 2 && rejections > 20);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
