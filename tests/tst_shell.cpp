// The kiosk shell by touch: start-up and the welcome screen, every move between steps, Back
// from each search step on either panel, the touches that do nothing, and closing the
// window. One window serves every row after the welcome screen; each row starts on the
// main menu.
#include "KioskHarness.h"

#include <QTest>
#include <QTimer>

using namespace stopwise;
using stopwise::testing::Kiosk;

namespace {

const QStringList Streets = {"HowDoIGetTo", "IKnowStreetNames"};
const QStringList Areas = {"HowDoIGetTo", "IKnowLocation"};
const QStringList PromptPanels = {"StreetSelect", "KeyPad"};
const QStringList ListPanels = {"StreetSelectList", "KeyPad"};

} // namespace

class TestShell : public QObject {
    Q_OBJECT
    std::unique_ptr<Kiosk> m_kiosk;
private slots:
    void welcome_data();
    void welcome();
    void initTestCase() { m_kiosk = std::make_unique<Kiosk>(); }
    void init() { m_kiosk->toMainMenu(); }
    void moves_data();
    void moves();
    void touchesWithoutAction_data();
    void touchesWithoutAction();
    void arrivalRowsLie19PixelsApart();
    void closingTheWindowEndsTheProgram();
};

// The welcome screen is seen once, at start: each row starts a kiosk of its own.
void TestShell::welcome_data()
{
    QTest::addColumn<QString>("target"); // a control to touch, or empty for the bare panel
    QTest::newRow("bare panel") << QString();
    for (int i = 0; i < 4; ++i)
        QTest::addRow("welcome text %d", i) << QStringLiteral("IntroMessage(%1)").arg(i);
}

void TestShell::welcome()
{
    QFETCH(QString, target);
    Kiosk kiosk;
    QCOMPARE(kiosk.visiblePanels(), QStringList{"Intro"});
    QCOMPARE(kiosk.window.frameGeometry().size(), QSize(436, 311));
    QCOMPARE(kiosk.window.windowTitle(), QStringLiteral("Stopwise"));
    QCOMPARE(kiosk.window.windowFlags() & (Qt::Tool | Qt::WindowMinMaxButtonsHint), Qt::Tool);
    QCOMPARE(kiosk.shown("BusScheduleTList"), QStringLiteral("10:03\n10:05\n10:07\n10:15"));
    kiosk.touch(target.isEmpty() ? QPoint(60, 200) : kiosk.centre(target));
    QCOMPARE(kiosk.visiblePanels(), QStringList{"MainMenu"});
}

// Each row walks from the main menu; a search step always starts with nothing typed.
void TestShell::moves_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("panels");
    const QStringList forbes = Streets + QStringList{"type f", "choose Forbes Ave"};
    const QStringList murray = forbes + QStringList{"type m", "choose Murray Ave"};
    const QStringList oakland = Areas + QStringList{"type o", "choose Oakland"};

    QTest::newRow("to the arrivals")
        << QStringList{"WhensTheBusComing"} << 2 << QStringList{"BusSchedule"};
    QTest::newRow("arrivals, OK") << QStringList{"WhensTheBusComing", "BusScheduleOK"} << 1
                                  << QStringList{"MainMenu"};
    QTest::newRow("to the search type")
        << QStringList{"HowDoIGetTo"} << 3 << QStringList{"SearchType"};
    QTest::newRow("to the streets") << Streets << 4 << PromptPanels;
    QTest::newRow("to the areas") << Areas << 6 << PromptPanels;
    QTest::newRow("Back from the street prompt")
        << Streets + QStringList{"Back(0)"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("Back from the street list")
        << Streets + QStringList{"type f", "Back(1)"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("Back from the area prompt")
        << Areas + QStringList{"Back(0)"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("Back from the area list")
        << Areas + QStringList{"type w", "Back(1)"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("a street chosen") << forbes << 5 << PromptPanels;
    QTest::newRow("Back from the cross-street prompt")
        << forbes + QStringList{"Back(0)"} << 4 << PromptPanels;
    QTest::newRow("Back from the cross streets on the number pad")
        << forbes + QStringList{"type m", "Letters(26)", "Back(1)"} << 4 << PromptPanels;
    QTest::newRow("a number pad left for the next step")
        << Streets + QStringList{"type f", "Letters(26)", "SelectBtn(1)"} << 5 << PromptPanels;
    QTest::newRow("a cross street chosen") << murray << 8 << QStringList{"Instructions"};
    QTest::newRow("street directions, OK")
        << murray + QStringList{"InstructionsOK"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("an area chosen: its stops") << oakland << 7 << ListPanels;
    QTest::newRow("Back from the stops on the number pad")
        << oakland + QStringList{"Letters(26)", "Numbers(3)", "Back(0)"} << 6 << PromptPanels;
    QTest::newRow("a stop chosen")
        << oakland + QStringList{"choose Carlow College"} << 9 << QStringList{"Instructions"};
    QTest::newRow("stop directions, OK")
        << oakland + QStringList{"choose Carlow College", "InstructionsOK"} << 1
        << QStringList{"MainMenu"};
}

void TestShell::moves()
{
    QFETCH(QStringList, steps);
    QFETCH(int, step);
    QFETCH(QStringList, panels);
    QVERIFY(m_kiosk->walk(steps));
    QCOMPARE(int(m_kiosk->state().Mode), step);
    QCOMPARE(m_kiosk->visiblePanels(), panels);
    if (step >= 4 && step <= 7)
        QCOMPARE(m_kiosk->state().KeyPadInput, std::string());
}

// Touches on texts, bare panels, shapes, cards and greyed pictures, and a finger lifted
// off a button, leave everything as it was.
void TestShell::touchesWithoutAction_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("target"); // where the finger goes down: a control or "x,y"
    QTest::addColumn<QPoint>("lift");    // where it lifts, if not where it went down

    const QStringList arrivals = {"WhensTheBusComing"};
    const QStringList m = Streets + QStringList{"type m"};
    const QStringList directions =
        Streets + QStringList{"type f", "choose Forbes Ave", "type m", "choose Murray Ave"};
    const QPoint away(300, 150);
    QTest::newRow("between the menu buttons") << QStringList{} << "200,147" << QPoint();
    QTest::newRow("beside the search buttons") << QStringList{"HowDoIGetTo"} << "2,100" << QPoint();
    QTest::newRow("arrivals heading") << arrivals << "lblBusSchedule" << QPoint();
    QTest::newRow("arrivals routes") << arrivals << "BusScheduleBList" << QPoint();
    QTest::newRow("arrivals white box") << arrivals << "300,220" << QPoint();
    QTest::newRow("arrivals stripe") << arrivals << "180,100" << QPoint();
    QTest::newRow("prompt card") << Streets << "186,273" << QPoint();
    QTest::newRow("prompt text") << Streets << "StreetSelectText" << QPoint();
    QTest::newRow("gap beside the keypad") << Streets << "165,100" << QPoint();
    QTest::newRow("below the keys") << Streets << "80,283" << QPoint();
    QTest::newRow("list card") << m << "406,153" << QPoint();
    QTest::newRow("candidate name") << m << "ListItem(0)" << QPoint();
    QTest::newRow("search word") << m << "SearchWord" << QPoint();
    QTest::newRow("greyed More Streets")
        << Streets + QStringList{"type f"} << "MoreStreets(1)" << QPoint();
    QTest::newRow("greyed More Areas")
        << Areas + QStringList{"type o"} << "MoreAreas(1)" << QPoint();
    QTest::newRow("greyed More Stops")
        << Areas + QStringList{"type sh", "choose Shadyside"} << "MoreStops(1)" << QPoint();
    QTest::newRow("directions text") << directions << "InstructionsText" << QPoint();
    QTest::newRow("directions rule") << directions << "200,40" << QPoint();
    QTest::newRow("lifted off Back") << m << "Back(1)" << away;
    QTest::newRow("lifted off a select button") << m << "SelectBtn(0)" << QPoint(100, 200);
    QTest::newRow("lifted off More") << m << "MoreStreets(0)" << away;
    QTest::newRow("lifted off a menu button") << QStringList{} << "HowDoIGetTo" << QPoint(200, 220);
}

void TestShell::touchesWithoutAction()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, target);
    QFETCH(QPoint, lift);
    Kiosk& kiosk = *m_kiosk;
    QVERIFY(kiosk.walk(steps));
    const KioskState before = kiosk.state();
    const QStringList panels = kiosk.visiblePanels(), rows = kiosk.rows();

    const QStringList xy = target.split(u',');
    const QPoint at = xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : kiosk.centre(target);
    kiosk.press(at);
    if (!lift.isNull())
        kiosk.move(lift);
    kiosk.release(lift.isNull() ? at : lift);

    QCOMPARE(kiosk.state().Mode, before.Mode);
    QCOMPARE(kiosk.state().KeyPadInput, before.KeyPadInput);
    QCOMPARE(kiosk.state().DataPageNumber, before.DataPageNumber);
    QCOMPARE(kiosk.state().SelectedStreet, before.SelectedStreet);
    QCOMPARE(kiosk.visiblePanels(), panels);
    QCOMPARE(kiosk.rows(), rows);
}

// The four arrivals fill their table one to a stripe: the tops of their ink, found by
// reading the drawn route column, lie 19 pixels apart.
void TestShell::arrivalRowsLie19PixelsApart()
{
    QVERIFY(m_kiosk->walk({"WhensTheBusComing"}));
    const QImage column = m_kiosk->control("BusScheduleBList")->grab().toImage();
    QList<int> tops;
    bool inked = false;
    for (int y = 0; y < column.height() / column.devicePixelRatio(); ++y) {
        bool ink = false;
        for (int x = 0; x < column.width(); ++x)
            ink = ink || qGray(column.pixel(x, int(y * column.devicePixelRatio()))) < 128;
        if (ink && !inked)
            tops << y;
        inked = ink;
    }
    QCOMPARE(tops.size(), 4);
    for (int row = 1; row < 4; ++row)
        QCOMPARE(tops[row] - tops[row - 1], 19);
}

// What the close box asks for: the window closes and the program's event loop ends.
void TestShell::closingTheWindowEndsTheProgram()
{
    QWindow* window = m_kiosk->handle();
    QTimer::singleShot(0, window, [window] { window->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!m_kiosk->window.isVisible());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
