// What assistive technology is told, through Qt's screen-reader bridge (CTest runs this
// program on a virtual display with a private accessibility bus): a select button announces
// its new name as the pages turn, and labels announce their new text; only a button a finger
// could touch offers a press, and pressing it does what a touch does. (The buttons on show on
// every screen, and their names, the welcome screen's one button among them, are the screens'
// reviewed read-out, docs/screens/readout.txt.)
#include "KioskHarness.h"

#include <QAccessible>
#include <QTest>
#include <QtTest/qtestaccessible.h>

using namespace stopwise;
using namespace stopwise::testing;

namespace {

// "control role=name" for every object that announced a new name since the events were
// last cleared, as a screen reader reads it on hearing the announcement.
QStringList announced()
{
    QStringList found;
    for (const QAccessibleEvent* event : QTestAccessibility::events()) {
        QAccessibleInterface* changed = event->accessibleInterface();
        if (event->type() != QAccessible::NameChanged || !changed)
            continue;
        const char* role = changed->role() == QAccessible::Button ? " button=" : " text=";
        found << event->object()->objectName() + role + changed->text(QAccessible::Name);
    }
    found.removeDuplicates();
    found.sort();
    return found;
}

} // namespace

class TestAccessibility : public testing::KioskTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void announcements_data();
    void announcements();
    void pressAction_data();
    void pressAction();
};

// The bridge turns active once it has reached the accessibility bus; from then on every
// event the window sends is recorded.
void TestAccessibility::initTestCase()
{
    QTestAccessibility::initialize();
    QTRY_VERIFY2(QAccessible::isActive(),
                 "no screen-reader bridge: run through CTest, which starts the accessibility bus");
    kiosk = std::make_unique<Kiosk>();
}

// QTestAccessibility keeps the events it records until they are deleted.
void TestAccessibility::cleanup()
{
    qDeleteAll(QTestAccessibility::events());
    QTestAccessibility::clearEvents();
}

// What is announced on one touch: the select buttons' new names as the page turns and the
// labels' new texts, "&&" read as one "&".
void TestAccessibility::announcements_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("touch");
    QTest::addColumn<QString>("heard"); // "control role=name|...", sorted
    QTest::newRow("select buttons, as the page turns")
        << ToAreas + QStringList{"type w"} << "MoreAreas(0)"
        << "ListItem(0) text=Wilmerding|ListItem(1) text=WM Penn Hts."
           "|SelectBtn(0) button=Select Wilmerding|SelectBtn(1) button=Select WM Penn Hts.";
    QTest::newRow("the search word") << ToStreets + QStringList{"type f"} << "Letters(14)"
                                     << "ListItem(0) text=Forbes Ave|SearchWord text=Fo..."
                                        "|SelectBtn(0) button=Select Forbes Ave";
}

void TestAccessibility::announcements()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, touch);
    QFETCH(QString, heard);
    QVERIFY_WALK(*kiosk, steps);
    cleanup();
    QVERIFY_WALK(*kiosk, {touch});
    QCOMPARE(announced().join(u'|'), heard);
}

// Press does what a touch does, and only where a finger could: never on a hidden or greyed
// button, nor on the card behind the list, which offer no press at all. No key is left looking
// pressed, also when a finger held one.
void TestAccessibility::pressAction_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<Step>("step"); // after the press
    QTest::addColumn<QString>("typed");
    const auto row = [](const char* name, const QStringList& steps, const char* button,
                        bool offered, Step step, const char* typed) {
        QTest::newRow(name) << steps << QString(button) << offered << step << QString(typed);
    };
    row("letter key", ToStreets, "Letters(12)", true, Step::Street, "m");
    row("select button", ToStreets + QStringList{"type m"}, "SelectBtn(3)", true, Step::CrossStreet,
        "");
    row("Back", ToStreets, "Back(0)", true, Step::MainMenu, "");
    row("Back, while a finger holds a key", ToStreets + QStringList{"hold Letters(1)"}, "Back(0)",
        true, Step::MainMenu, "");
    row("the welcome panel, hidden", {}, "Intro", false, Step::MainMenu, "");
    row("a key of the hidden keypad", ToStreets, "Numbers(3)", false, Step::Street, "");
    row("greyed More Streets", ToStreets + QStringList{"type f"}, "MoreStreets(1)", false,
        Step::Street, "f");
    row("the card behind the list", ToStreets + QStringList{"type m"}, "MoreStops(3)", false,
        Step::Street, "m");
}

void TestAccessibility::pressAction()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, button);
    QFETCH(bool, offered);
    QFETCH(Step, step);
    QFETCH(QString, typed);
    QVERIFY_WALK(*kiosk, steps);
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(kiosk->control(button))->actionInterface();
    QCOMPARE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()), offered);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(kiosk->state().Mode, step);
    QCOMPARE(kiosk->pressedLooks(), QStringList());
    if (searchOf(step))
        QCOMPARE(QString::fromStdString(kiosk->state().KeyPadInput), typed);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
