// What assistive technology reads of the window: every control's name and
// description, and the numbers of the information row.
#include "windowfixture.h"

#include <QAccessible>
#include <QPushButton>

namespace
{

struct Node {
    QString name;
    QString description;
    QAccessible::Role role;
};

Node nodeOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        return {QString(), QString(), QAccessible::NoRole};
    return {iface->text(QAccessible::Name), iface->text(QAccessible::Description), iface->role()};
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsAreNamedAndDescribed_data();
    void controlsAreNamedAndDescribed();
    void valueBoxesExposeTheirNumbers();
    void everyChildOfTheWindowHasAName();
};

void TestAccessibility::controlsAreNamedAndDescribed_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("?") << QStringLiteral("Cmd_Info") << QStringLiteral("?")
                       << QStringLiteral("Mostra le informazioni sul programma");
    QTest::newRow("M") << QStringLiteral("Cmd_Oggi") << QStringLiteral("M")
                       << QStringLiteral(
                              "Impostazione della data, calcolo della Pasqua e delle principali festività");
    QTest::newRow("D") << QStringLiteral("Cmd_Diff") << QStringLiteral("D")
                       << QStringLiteral("Differenza tra due date");
    QTest::newRow("Trimestre:") << QStringLiteral("Lab_Week1_0") << QStringLiteral("Trimestre:")
                                << QStringLiteral("Doppio clic per andare al primo giorno di un trimestre");
    QTest::newRow("Settimana:") << QStringLiteral("Lab_Week1_1") << QStringLiteral("Settimana:")
                                << QStringLiteral("Doppio clic per andare al primo giorno di una settimana");
    QTest::newRow("Giorno dell'anno:") << QStringLiteral("Lab_Week1_2") << QStringLiteral("Giorno dell'anno:")
                                       << QStringLiteral("Doppio clic per andare a un giorno dell'anno");
    QTest::newRow("Calendario") << QStringLiteral("Calendar") << QStringLiteral("Calendario")
                                << QStringLiteral("Il giorno selezionato e il suo mese");
}

void TestAccessibility::controlsAreNamedAndDescribed()
{
    QFETCH(QString, object);
    QFETCH(QString, name);
    QFETCH(QString, description);
    WindowFixture f;
    auto *widget = f.window.findChild<QWidget *>(object);
    QVERIFY(widget);
    const Node node = nodeOf(widget);
    QCOMPARE(node.name, name);
    QCOMPARE(node.description, description);
}

void TestAccessibility::valueBoxesExposeTheirNumbers()
{
    WindowFixture f(QDate(2010, 5, 31));
    const QStringList descriptions {QStringLiteral("Numero del trimestre relativo al giorno selezionato"),
        QStringLiteral("Numero della settimana relativo al giorno selezionato"),
        QStringLiteral("Numero del giorno dall'inizio dell'anno")};
    const QStringList before = numbers({"2", "22", "151"});
    for (int index = 0; index < 3; ++index) {
        const Node node = nodeOf(f.window.findChild<QLabel *>(QStringLiteral("Lab_Week_%1").arg(index)));
        QCOMPARE(node.name, before[index]);
        QCOMPARE(node.description, descriptions[index]);
        QCOMPARE(node.role, QAccessible::StaticText);
    }
    f.window.Shift_Date(Dates::Interval::Day, 1);
    QCOMPARE(nodeOf(f.window.findChild<QLabel *>(QStringLiteral("Lab_Week_2"))).name, QStringLiteral("152"));
}

void TestAccessibility::everyChildOfTheWindowHasAName()
{
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&f.window);
    QVERIFY(window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Fastorio"));
    int named = 0;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        if (child->object()->objectName() == QLatin1String("Lin_Cal"))
            continue; // a drawn line, not a control
        QVERIFY2(!child->text(QAccessible::Name).isEmpty(), qPrintable(child->object()->objectName()));
        ++named;
    }
    QCOMPARE(named, 10); // calendar, three buttons, six labels
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
