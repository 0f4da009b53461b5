// The kiosk shell by touch: start-up and the welcome screen, on a desktop and on the whole glass
// of a stop's screen, the moves between steps and Back from every search step on either panel,
// touches that follow a move at once, the touches and clicks that do nothing, the desktop
// window's frame and a kiosk that comes back when minimized. (Closing the window is seen on
// the program itself; the answers' texts are the reviewed listing docs/catalogue.txt.) One
// window serves every row after the welcome screen; each row starts on the main menu.
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
    void surroundPassesOnlyTheWelcome();
    void moves_data();
    void moves();
    void touchesThatDoNothing_data();
    void touchesThatDoNothing();
    void desktopFrame();
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
    QVERIFY_WALK(fresh, {target});
    QCOMPARE(fresh.visiblePanels(), QStringList{"MainMenu"});
}

// On a screen of its own, a touch beside the screens' extent goes on from the welcome screen,
// once lifted (a mouse's other button, let go meanwhile, does nothing), and on any other step
// does nothing.
void TestShell::surroundPassesOnlyTheWelcome()
{
    Kiosk stop(Form::FullScreen);
    QVERIFY_WALK(stop, {"mouse-press -20,-20", "right-press -20,-20", "right-lift -20,-20"});
    QCOMPARE(stop.visiblePanels(), QStringList{"Intro"});
    QVERIFY_WALK(stop, {"mouse-lift -20,-20"});
    QCOMPARE(stop.visiblePanels(), QStringList{"MainMenu"});
    // Long after each move: not the same touch again.
    QVERIFY_WALK(stop, {"after 400 HowDoIGetTo", "after 400 -20,-20"});
    QCOMPARE(stop.visiblePanels(), QStringList{"SearchType"});
}

// Each row walks from the main menu. A search step always opens with nothing typed. A touch
// that follows a move at once (80 ms: a double tap, a bounce) was meant for the screen before
// and does nothing; one that waits longer than a third of a second acts.
void TestShell::moves_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QStringList>("panels");
    const QStringList search = {"StreetSelect", "KeyPad"};
    const auto row = [](const char* name, const QStringList& steps, Step step,
                        const QStringList& panels) {
        QTest::newRow(name) << steps << step << panels;
    };
    row("Back from the street prompt", ToStreets + QStringList{"Back(0)"}, Step::MainMenu,
        {"MainMenu"});
    row("Back from the street list", ToStreets + QStringList{"type f", "Back(1)"}, Step::MainMenu,
        {"MainMenu"});
    row("Back from the area list", ToAreas + QStringList{"type w", "Back(1)"}, Step::MainMenu,
        {"MainMenu"});
    row("Back from the cross-street prompt", Forbes + QStringList{"Back(0)"}, Step::Street, search);
    row("Back from cross streets on the number pad",
        Forbes + QStringList{"type m", "Letters(26)", "Back(1)"}, Step::Street, search);
    row("a number pad left for the next step",
        ToStreets + QStringList{"type f", "Letters(26)", "SelectBtn(1)"}, Step::CrossStreet,
        search);
    row("Back from the stops", Oakland + QStringList{"Back(1)"}, Step::Area, search);
    row("Back from stops on the number pad",
        Oakland + QStringList{"Letters(26)", "Numbers(3)", "Back(0)"}, Step::Area, search);
    row("How do I get to... touched twice", {"HowDoIGetTo", "after 80 218,75"}, Step::SearchType,
        {"SearchType"});
    row("Oakland's select button touched twice", Oakland + QStringList{"after 80 SelectBtn(1)"},
        Step::Stop, {"StreetSelectList", "KeyPad"});
    row("I only know the location touched twice",
        {"HowDoIGetTo", "IKnowLocation", "after 80 100,200"}, Step::Area, search);
    row("a touch just after a third of a second", {"HowDoIGetTo", "after 360 IKnowStreetNames"},
        Step::Street, search);
}

void TestShell::moves()
{
    QFETCH(QStringList, steps);
    QFETCH(Step, step);
    QFETCH(QStringList, panels);
    QVERIFY_WALK(*kiosk, steps);
    QCOMPARE(kiosk->visiblePanels(), panels);
    QCOMPARE(kiosk->state().Mode, step);
    if (searchOf(step))
        QCOMPARE(kiosk->state().KeyPadInput, std::string());
}

// Touches on texts and bare panels, a finger lifted off a button, and a click with the mouse's
// other button leave everything as it was.
void TestShell::touchesThatDoNothing_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("touches");
    const QStringList m = ToStreets + QStringList{"type m"};
    QTest::newRow("between the menu buttons") << QStringList() << QStringList{"200,147"};
    QTest::newRow("candidate name") << m << QStringList{"ListItem(0)"};
    QTest::newRow("lifted off a select button")
        << m << QStringList{"press SelectBtn(0)", "slide 100,200", "lift 100,200"};
    QTest::newRow("right click on a menu button")
        << QStringList() << QStringList{"right-press HowDoIGetTo", "right-lift HowDoIGetTo"};
}

void TestShell::touchesThatDoNothing()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, touches);
    QVERIFY_WALK(*kiosk, steps);
    const QString shown = kiosk->onShow(); // the panels, the typed text and the names on show
    QVERIFY_WALK(*kiosk, touches);
    QCOMPARE(kiosk->onShow(), shown);
}

// On a desktop the kiosk asks the window system for a small title bar with its caption and a
// close box, and no other button; closing it ends the program (seen on the program itself).
void TestShell::desktopFrame()
{
    const Qt::WindowFlags asked = kiosk->handle()->flags();
    QCOMPARE(kiosk->handle()->title(), QStringLiteral("Stopwise"));
    QVERIFY2(asked.testFlag(Qt::WindowTitleHint) && asked.testFlag(Qt::WindowCloseButtonHint),
             "the window asks for no title bar with a close box");
    QVERIFY2(!asked.testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
             "the window asks for a minimize or maximize box");
}

// A window manager's minimize box, menu or key: the kiosk is back at once, as it was, on a
// desktop and on the stop's full screen.
void TestShell::minimizedComesBack_data()
{
    QTest::addColumn<Form>("form");
    QTest::addColumn<Qt::WindowState>("state");
    QTest::newRow("the window on a desktop") << Form::Window << Qt::WindowNoState;
    QTest::newRow("the stop's full screen") << Form::FullScreen << Qt::WindowFullScreen;
}

void TestShell::minimizedComesBack()
{
    QFETCH(Form, form);
    QFETCH(Qt::WindowState, state);
    Kiosk kiosk(form);
    QTRY_COMPARE(kiosk.handle()->windowStates(), Qt::WindowStates(state));
    kiosk.handle()->setWindowStates(Qt::WindowMinimized);
    QTRY_COMPARE(kiosk.handle()->windowStates(), Qt::WindowStates(state));
    QVERIFY(kiosk.top().isVisible());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
