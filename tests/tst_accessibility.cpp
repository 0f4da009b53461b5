// What assistive technology is told, through both trips: every touch target on show is a
// button named with the words on it and nothing else poses as one; select buttons are read
// with their rows, and announce it when the pages turn; labels read as drawn; only a button
// a finger could touch offers a press, and pressing it does what a touch does.
#include "KioskHarness.h"
#include "toolkit/Control.h"

#include <QAccessible>
#include <QMap>
#include <QSignalSpy>
#include <QTest>

using namespace stopwise;
using stopwise::testing::Kiosk;

namespace {

using Names = QMap<QString, QString>; // control to the accessible name it must report

const QStringList Streets = {"HowDoIGetTo", "IKnowStreetNames"};
const QStringList Areas = {"HowDoIGetTo", "IKnowLocation"};

QAccessibleInterface* interfaceOf(const Kiosk& kiosk, const QString& control)
{
    return QAccessible::queryAccessibleInterface(kiosk.control(control));
}

Names keys(const char* array, const QStringList& signs)
{
    Names names;
    for (int i = 0; i < signs.size(); ++i)
        names[QStringLiteral("%1(%2)").arg(QLatin1StringView(array)).arg(i)] = signs[i];
    return names;
}

const Names LetterKeys = keys("Letters", QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U "
                                                        "V W X Y Z # clear")
                                             .split(u' '));
const Names NumberKeys =
    keys("Numbers", QStringLiteral("0 1 2 3 4 5 6 7 8 9 abc clear").split(u' '));

Names operator+(Names a, const Names& b)
{
    a.insert(b);
    return a;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
    std::unique_ptr<Kiosk> m_kiosk;
private slots:
    void initTestCase() { m_kiosk = std::make_unique<Kiosk>(); }
    void init() { m_kiosk->toMainMenu(); }
    void buttonsOnShow_data();
    void buttonsOnShow();
    void selectButtonsFollowTheirRows();
    void pressAction_data();
    void pressAction();
};

void TestAccessibility::buttonsOnShow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Names>("buttons"); // every button on show, and nothing else
    const Names back{{"Back(0)", "Back"}};
    QTest::newRow("main menu") << QStringList{}
                               << Names{{"HowDoIGetTo", "How do I get to..."},
                                        {"WhensTheBusComing", "When's the bus coming?"}};
    QTest::newRow("arrivals") << QStringList{"WhensTheBusComing"} << Names{{"BusScheduleOK", "OK"}};
    QTest::newRow("street prompt") << Streets << LetterKeys + back;
    QTest::newRow("streets on the number pad, greyed paging")
        << Streets + QStringList{"type f", "Letters(26)"}
        << NumberKeys + Names{{"Back(1)", "Back"},
                              {"MoreStreets(1)", "More Streets"},
                              {"SelectBtn(0)", "Select Fifth Ave."},
                              {"SelectBtn(1)", "Select Forbes Ave"},
                              {"SelectBtn(2)", "Select Frankstown Rd"},
                              {"SelectBtn(3)", "Select Freeport Rd"}};
    QTest::newRow("stops of Shadyside")
        << Areas + QStringList{"type sh", "choose Shadyside"}
        << LetterKeys + Names{{"Back(1)", "Back"},
                              {"MoreStops(1)", "More Stops"},
                              {"SelectBtn(0)", "Select Negley Station"}};
    QTest::newRow("directions") << Streets + QStringList{"type f", "choose Forbes Ave", "type m",
                                                         "choose Murray Ave"}
                                << Names{{"InstructionsOK", "OK"}};
}

void TestAccessibility::buttonsOnShow()
{
    QFETCH(QStringList, steps);
    QFETCH(Names, buttons);
    QVERIFY(m_kiosk->walk(steps));
    for (const Control* control : m_kiosk->window.findChildren<const Control*>()) {
        if (!control->isVisible())
            continue;
        const QString name = control->objectName();
        QAccessibleInterface* shown = interfaceOf(*m_kiosk, name);
        QCOMPARE(shown->role() == QAccessible::Button, buttons.contains(name));
        if (buttons.contains(name))
            QCOMPARE(shown->text(QAccessible::Name), buttons[name]);
    }
}

// A select button is read with the name in its row, kept current and announced as the
// pages turn; labels read as drawn, "&&" as one "&".
void TestAccessibility::selectButtonsFollowTheirRows()
{
    Kiosk& kiosk = *m_kiosk;
    QVERIFY(kiosk.walk(Areas + QStringList{"type w"}));
    QCOMPARE(interfaceOf(kiosk, "SelectBtn(1)")->text(QAccessible::Name),
             QStringLiteral("Select Waterworks Mall"));
    QSignalSpy announced(kiosk.control("SelectBtn(1)"), SIGNAL(nameChanged()));
    kiosk.touch("MoreAreas(0)");
    QCOMPARE(interfaceOf(kiosk, "SelectBtn(1)")->text(QAccessible::Name),
             QStringLiteral("Select WM Penn Hts."));
    QCOMPARE(announced.size(), 1);

    kiosk.toMainMenu();
    QVERIFY(kiosk.walk(Streets +
                       QStringList{"type f", "choose Forbes Ave", "type m", "choose Murray Ave"}));
    QAccessibleInterface* title = interfaceOf(kiosk, "InstructionsTitle");
    QCOMPARE(title->role(), QAccessible::StaticText);
    QCOMPARE(title->text(QAccessible::Name), QStringLiteral("To get to Forbes Ave & Murray Ave:"));
}

// Press does what a touch does, and only where a finger could: never on a hidden or greyed
// button, nor on the card behind the list, which offer no press at all.
void TestAccessibility::pressAction_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<int>("step"); // after the press
    QTest::addColumn<QString>("typed");
    QTest::newRow("menu button") << QStringList{} << "HowDoIGetTo" << true << 3 << "";
    QTest::newRow("letter key") << Streets << "Letters(12)" << true << 4 << "m";
    QTest::newRow("select button")
        << Streets + QStringList{"type m"} << "SelectBtn(3)" << true << 5 << "";
    QTest::newRow("Back") << Streets << "Back(0)" << true << 1 << "";
    QTest::newRow("the welcome panel, hidden") << QStringList{} << "Intro" << false << 1 << "";
    QTest::newRow("a key of the hidden keypad") << Streets << "Numbers(3)" << false << 4 << "";
    QTest::newRow("greyed More Streets")
        << Streets + QStringList{"type f"} << "MoreStreets(1)" << false << 4 << "f";
    QTest::newRow("the card behind the list")
        << Streets + QStringList{"type m"} << "MoreStops(3)" << false << 4 << "m";
}

void TestAccessibility::pressAction()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, button);
    QFETCH(bool, offered);
    QFETCH(int, step);
    QFETCH(QString, typed);
    QVERIFY(m_kiosk->walk(steps));
    QAccessibleActionInterface* actions = interfaceOf(*m_kiosk, button)->actionInterface();
    QCOMPARE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()), offered);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(int(m_kiosk->state().Mode), step);
    if (step >= 4 && step <= 7)
        QCOMPARE(QString::fromStdString(m_kiosk->state().KeyPadInput), typed);
    QVERIFY(!m_kiosk->control("Letter_sel(12)")->isVisible()); // a press lifts the finger too
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
