// The kiosk shell by touch: start-up and the welcome screen, the moves between steps and
// Back from every search step on either panel, the touches and clicks that do nothing, and a
// kiosk that comes back when minimized. (Closing the window is seen on the program itself;
// the answers' texts, line breaks and "&&" included, are the reviewed listing
// docs/catalogue.txt.) One window serves every row after the welcome screen; each row starts
// on the main menu.
#include "KioskHarness.h"

#include <QTest>

using namespace stopwise;
using namespace stopwise::testing;

namespace {

const QStringList Forbes = ToStreets + QStringList{"type f", "choose Forbes Ave"};
const QStringList Oakland = ToAreas + QStringList{"type o", "choose Oakland"};

} // namespace

class TestShell : public testing::KioskTest {
    Q_OBJECT
private slots:
    void welcome_data();
    void welcome();
    void moves_data();
    void moves();
    void touchesThatDoNothing_data();
    void touchesThatDoNothing();
    void minimizedComesBack_data();
    void minimizedComesBack();
};

// The welcome screen is seen once, at start: each row starts a kiosk of its own.
void TestShell::welcome_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("bare panel") << "60,200";
    for (int i = 0; i < 4; ++i)
        QTest::addRow("welcome text %d", i) << QStringLiteral("IntroMessage(%1)").arg(i);
}

void TestShell::welcome()
{
    QFETCH(QString, target);
    Kiosk fresh;
    QCOMPARE(fresh.visiblePanels(), QStringList{"Intro"});
    QVERIFY(fresh.walk({target}));
    QCOMPARE(fresh.visiblePanels(), QStringList{"MainMenu"});
}

// Each row walks from the main menu; a search step always opens with nothing typed.
void TestShell::moves_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Step>("step");
    const auto row = [](const char* name, const QStringList& steps, Step step) {
        QTest::newRow(name) << steps << step;
    };
    row("Back from the street prompt", ToStreets + QStringList{"Back(0)"}, Step::MainMenu);
    row("Back from the street list", ToStreets + QStringList{"type f", "Back(1)"}, Step::MainMenu);
    row("Back from the area list", ToAreas + QStringList{"type w", "Back(1)"}, Step::MainMenu);
    row("Back from the cross-street prompt", Forbes + QStringList{"Back(0)"}, Step::Street);
    row("Back from cross streets on the number pad",
        Forbes + QStringList{"type m", "Letters(26)", "Back(1)"}, Step::Street);
    row("a number pad left for the next step",
        ToStreets + QStringList{"type f", "Letters(26)", "SelectBtn(1)"}, Step::CrossStreet);
    row("Back from the stops", Oakland + QStringList{"Back(1)"}, Step::Area);
    row("Back from stops on the number pad",
        Oakland + QStringList{"Letters(26)", "Numbers(3)", "Back(0)"}, Step::Area);
}

void TestShell::moves()
{
    QFETCH(QStringList, steps);
    QFETCH(Step, step);
    QVERIFY(kiosk->walk(steps));
    QCOMPARE(kiosk->state().Mode, step);
    const QStringList panels =
        step == Step::MainMenu ? QStringList{"MainMenu"} : QStringList{"StreetSelect", "KeyPad"};
    QCOMPARE(kiosk->visiblePanels(), panels);
    if (searchOf(step))
        QCOMPARE(kiosk->state().KeyPadInput, std::string());
}

// Touches on texts, bare panels and cards, a finger lifted off a button, and a click with
// the mouse's other button ("right NAME") leave everything as it was.
void TestShell::touchesThatDoNothing_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("down"); // where the finger goes down: a control or "x,y"
    QTest::addColumn<QString>("up");   // where it lifts
    const auto row = [](const char* name, const QStringList& steps, const char* down,
                        const char* up = nullptr) {
        QTest::newRow(name) << steps << QString(down) << QString(up ? up : down);
    };
    const QStringList m = ToStreets + QStringList{"type m"};
    row("between the menu buttons", {}, "200,147");
    row("prompt card", ToStreets, "186,273");
    row("list card", m, "406,153");
    row("candidate name", m, "ListItem(0)");
    row("lifted off a select button", m, "SelectBtn(0)", "100,200");
    row("right click on a menu button", {}, "right HowDoIGetTo");
}

void TestShell::touchesThatDoNothing()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, down);
    QFETCH(QString, up);
    QVERIFY(kiosk->walk(steps));
    const KioskState before = kiosk->state();
    const QStringList panels = kiosk->visiblePanels(), rows = kiosk->rows();
    if (down.startsWith("right ")) {
        QTest::mouseClick(kiosk->handle(), Qt::RightButton, {}, kiosk->at(down.mid(6)));
    } else {
        kiosk->press(kiosk->at(down));
        kiosk->move(kiosk->at(up));
        kiosk->release(kiosk->at(up));
    }
    QCOMPARE(kiosk->state().Mode, before.Mode);
    QCOMPARE(kiosk->state().KeyPadInput, before.KeyPadInput);
    QCOMPARE(kiosk->state().DataPageNumber, before.DataPageNumber);
    QCOMPARE(kiosk->visiblePanels(), panels);
    QCOMPARE(kiosk->rows(), rows);
}

// A window manager's minimize box, menu or key: the kiosk is back at once, as it was, on a
// desktop and on the stop's full screen.
void TestShell::minimizedComesBack_data()
{
    QTest::addColumn<bool>("ownScreen");
    QTest::addColumn<Qt::WindowState>("state");
    QTest::newRow("the window on a desktop") << false << Qt::WindowNoState;
    QTest::newRow("the stop's full screen") << true << Qt::WindowFullScreen;
}

void TestShell::minimizedComesBack()
{
    QFETCH(bool, ownScreen);
    QFETCH(Qt::WindowState, state);
    Kiosk kiosk(ownScreen ? Form::Extent : Form::Window);
    if (ownScreen) {
        kiosk.top().showFullScreen();
        QTRY_COMPARE(kiosk.handle()->windowStates(), Qt::WindowStates(state));
    }
    kiosk.handle()->setWindowStates(Qt::WindowMinimized);
    QTRY_COMPARE(kiosk.handle()->windowStates(), Qt::WindowStates(state));
    QVERIFY(kiosk.top().isVisible());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
