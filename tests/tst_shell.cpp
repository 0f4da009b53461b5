// The kiosk shell by touch: start-up and the welcome screen, the moves between steps and
// Back from every search step on either panel, the touches that do nothing, the arrivals'
// line pitch and closing the window. One window serves every row after the welcome screen;
// each row starts on the main menu.
#include "KioskHarness.h"

#include <QTest>
#include <QTimer>

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
    void arrivalsLie19PixelsApart();
    void closingTheWindowEndsTheProgram();
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
    QCOMPARE(fresh.window.frameGeometry().size(), QSize(436, 311));
    QCOMPARE(fresh.window.windowFlags() & (Qt::Tool | Qt::WindowMinMaxButtonsHint), Qt::Tool);
    QCOMPARE(fresh.shown("BusScheduleTList"), QStringLiteral("10:03\n10:05\n10:07\n10:15"));
    QVERIFY(fresh.walk({target}));
    QCOMPARE(fresh.visiblePanels(), QStringList{"MainMenu"});
}

// Each row walks from the main menu; a search step always opens with nothing typed.
void TestShell::moves_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("step");
    const auto row = [](const char* name, const QStringList& steps, int step) {
        QTest::newRow(name) << steps << step;
    };
    row("arrivals, OK", {"WhensTheBusComing", "BusScheduleOK"}, 1);
    row("Back from the street prompt", ToStreets + QStringList{"Back(0)"}, 1);
    row("Back from the street list", ToStreets + QStringList{"type f", "Back(1)"}, 1);
    row("Back from the area list", ToAreas + QStringList{"type w", "Back(1)"}, 1);
    row("Back from the cross-street prompt", Forbes + QStringList{"Back(0)"}, 4);
    row("Back from cross streets on the number pad",
        Forbes + QStringList{"type m", "Letters(26)", "Back(1)"}, 4);
    row("a number pad left for the next step",
        ToStreets + QStringList{"type f", "Letters(26)", "SelectBtn(1)"}, 5);
    row("Back from the stops", Oakland + QStringList{"Back(1)"}, 6);
    row("Back from stops on the number pad",
        Oakland + QStringList{"Letters(26)", "Numbers(3)", "Back(0)"}, 6);
    row("stop directions, OK", Oakland + QStringList{"choose Carlow College", "InstructionsOK"}, 1);
}

void TestShell::moves()
{
    QFETCH(QStringList, steps);
    QFETCH(int, step);
    QVERIFY(kiosk->walk(steps));
    QCOMPARE(int(kiosk->state().Mode), step);
    const QStringList panels =
        step == 1 ? QStringList{"MainMenu"} : QStringList{"StreetSelect", "KeyPad"};
    QCOMPARE(kiosk->visiblePanels(), panels);
    if (step >= 4)
        QCOMPARE(kiosk->state().KeyPadInput, std::string());
}

// Touches on texts, bare panels, shapes, cards and greyed pictures, and a finger lifted off
// a button, leave everything as it was.
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
    row("prompt text", ToStreets, "StreetSelectText");
    row("list card", m, "406,153");
    row("candidate name", m, "ListItem(0)");
    row("greyed More Streets", ToStreets + QStringList{"type f"}, "MoreStreets(1)");
    row("greyed More Areas", ToAreas + QStringList{"type o"}, "MoreAreas(1)");
    row("greyed More Stops", Oakland + QStringList{"type c"}, "MoreStops(1)");
    row("lifted off Back", m, "Back(1)", "300,150");
    row("lifted off a select button", m, "SelectBtn(0)", "100,200");
    row("lifted off More", m, "MoreStreets(0)", "300,150");
    row("lifted off a menu button", {}, "HowDoIGetTo", "200,220");
}

void TestShell::touchesThatDoNothing()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, down);
    QFETCH(QString, up);
    QVERIFY(kiosk->walk(steps));
    const KioskState before = kiosk->state();
    const QStringList panels = kiosk->visiblePanels(), rows = kiosk->rows();
    kiosk->press(kiosk->at(down));
    kiosk->move(kiosk->at(up));
    kiosk->release(kiosk->at(up));
    QCOMPARE(kiosk->state().Mode, before.Mode);
    QCOMPARE(kiosk->state().KeyPadInput, before.KeyPadInput);
    QCOMPARE(kiosk->state().DataPageNumber, before.DataPageNumber);
    QCOMPARE(kiosk->visiblePanels(), panels);
    QCOMPARE(kiosk->rows(), rows);
}

// The four arrivals sit one to a stripe: the tops of their ink, read off the drawn route
// column, lie 19 pixels apart.
void TestShell::arrivalsLie19PixelsApart()
{
    QVERIFY(kiosk->walk({"WhensTheBusComing"}));
    const QImage column = kiosk->control("BusScheduleBList")->grab().toImage();
    const auto inked = [&](int y) {
        for (int x = 0; x < column.width(); ++x)
            if (qGray(column.pixel(x, y)) < 128)
                return true;
        return false;
    };
    QList<int> tops;
    for (int y = 0; y < column.height(); ++y)
        if (inked(y) && (y == 0 || !inked(y - 1)))
            tops << int(y / column.devicePixelRatio());
    QCOMPARE(tops, (QList<int>{tops.value(0), tops.value(0) + 19, tops.value(0) + 38,
                               tops.value(0) + 57}));
}

// What the close box asks for: the window closes and the program's event loop ends.
void TestShell::closingTheWindowEndsTheProgram()
{
    QWindow* window = kiosk->handle();
    QTimer::singleShot(0, window, [window] { window->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
