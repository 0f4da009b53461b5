// The kiosk shell: start-up, the moves between steps by touch, Back, the touches that do
// nothing, the arrivals screen and how labels draw their ampersands.
#include "KioskHarness.h"
#include "common/Steps.h"

#include <QPainter>

using namespace stopwise;
using stopwise::testing::Kiosk;

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheWelcomeScreen();
    void welcomeTouchContinues_data();
    void welcomeTouchContinues();
    void moves_data();
    void moves();
    void backArithmetic_data();
    void backArithmetic();
    void touchesWithoutAction_data();
    void touchesWithoutAction();
    void arrivalsAreTheSameEveryVisit();
    void doubledAmpersandDrawsOne();
};

void TestShell::startsOnTheWelcomeScreen()
{
    Kiosk kiosk;
    QCOMPARE(int(kiosk.state().Mode), int(Step::Welcome));
    QCOMPARE(kiosk.visiblePanels(), QStringList{"Intro"});
    QCOMPARE(kiosk.window.frameGeometry().size(), QSize(436, 311));
    QCOMPARE(kiosk.window.windowTitle(), QStringLiteral("Stopwise"));
    QVERIFY(kiosk.window.windowFlags().testFlag(Qt::Tool));
    QVERIFY(!kiosk.window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!kiosk.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    // The arrivals are filled at start, before their screen is ever shown.
    QCOMPARE(kiosk.text("BusScheduleBList"), QStringLiteral("61C\r\n61B\r\n501F\r\n28X"));
    QCOMPARE(kiosk.text("BusScheduleTList"), QStringLiteral("10:03\r\n10:05\r\n10:07\r\n10:15"));
    const QStringList placed = {"Intro", "MainMenu", "BusSchedule", "SearchType", "Instructions"};
    for (const QString& panel : placed)
        QCOMPARE(kiosk.control(panel)->pos(), QPoint(0, 0));
    QCOMPARE(kiosk.control("StreetSelect")->geometry(), QRect(166, 3, 265, 281));
    QCOMPARE(kiosk.control("StreetSelectList")->geometry(), QRect(166, 3, 265, 281));
    QCOMPARE(kiosk.control("KeyPad")->geometry(), QRect(3, 3, 161, 281));
    QCOMPARE(kiosk.control("NumKeyPad")->geometry(), QRect(3, 3, 161, 281));
    QCOMPARE(kiosk.control("BusSchedule")->height(), 296);
}

void TestShell::welcomeTouchContinues_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("bare panel, top left") << QPoint(5, 5);
    QTest::newRow("bare panel, bottom right") << QPoint(430, 285);
    QTest::newRow("bare panel, between the texts") << QPoint(60, 200);
    for (int i = 0; i < 4; ++i)
        QTest::addRow("welcome text %d", i)
            << Kiosk().centre(QStringLiteral("IntroMessage(%1)").arg(i));
}

void TestShell::welcomeTouchContinues()
{
    QFETCH(QPoint, at);
    Kiosk kiosk;
    kiosk.touch(at);
    QCOMPARE(int(kiosk.state().Mode), int(Step::MainMenu));
    QCOMPARE(kiosk.visiblePanels(), QStringList{"MainMenu"});
}

// Each row walks from the welcome screen by touching the named controls in turn.
void TestShell::moves_data()
{
    QTest::addColumn<QStringList>("touches");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("panels");

    const QStringList menu = {"Intro"};
    const QStringList streets = menu + QStringList{"HowDoIGetTo", "IKnowStreetNames"};
    const QStringList areas = menu + QStringList{"HowDoIGetTo", "IKnowLocation"};
    const QStringList prompt = {"StreetSelect", "KeyPad"};
    const QStringList list = {"StreetSelectList", "KeyPad"};

    QTest::newRow("welcome to main menu") << menu << 1 << QStringList{"MainMenu"};
    QTest::newRow("main menu to arrivals")
        << menu + QStringList{"WhensTheBusComing"} << 2 << QStringList{"BusSchedule"};
    QTest::newRow("arrivals OK to main menu")
        << menu + QStringList{"WhensTheBusComing", "BusScheduleOK"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("main menu to search type")
        << menu + QStringList{"HowDoIGetTo"} << 3 << QStringList{"SearchType"};
    QTest::newRow("search type to streets") << streets << 4 << prompt;
    QTest::newRow("search type to areas") << areas << 6 << prompt;
    QTest::newRow("back from streets on the prompt")
        << streets + QStringList{"Back(0)"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("back from streets on the list")
        << streets + QStringList{"Letters(5)", "Back(1)"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("back from areas on the prompt")
        << areas + QStringList{"Back(0)"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("back from areas on the list")
        << areas + QStringList{"Letters(22)", "Back(1)"} << 1 << QStringList{"MainMenu"};
    QTest::newRow("a street chosen: cross streets")
        << streets + QStringList{"Letters(5)", "SelectBtn(1)"} << 5 << prompt;
    QTest::newRow("back from cross streets on the prompt")
        << streets + QStringList{"Letters(5)", "SelectBtn(1)", "Back(0)"} << 4 << prompt;
    QTest::newRow("back from cross streets on the number pad")
        << streets +
               QStringList{"Letters(5)", "SelectBtn(1)", "Letters(12)", "Letters(26)", "Back(1)"}
        << 4 << prompt;
    QTest::newRow("a cross street chosen: directions")
        << streets + QStringList{"Letters(5)", "SelectBtn(1)", "Letters(12)", "SelectBtn(0)"} << 8
        << QStringList{"Instructions"};
    QTest::newRow("street directions OK to main menu")
        << streets + QStringList{"Letters(5)", "SelectBtn(1)", "Letters(12)", "SelectBtn(0)",
                                 "InstructionsOK"}
        << 1 << QStringList{"MainMenu"};
    QTest::newRow("an area chosen: its stops")
        << areas + QStringList{"Letters(14)", "SelectBtn(1)"} << 7 << list;
    QTest::newRow("back from stops on the number pad")
        << areas +
               QStringList{"Letters(14)", "SelectBtn(1)", "Letters(26)", "Numbers(3)", "Back(0)"}
        << 6 << prompt;
    QTest::newRow("a stop chosen: directions")
        << areas + QStringList{"Letters(14)", "SelectBtn(1)", "SelectBtn(0)"} << 9
        << QStringList{"Instructions"};
    QTest::newRow("stop directions OK to main menu")
        << areas + QStringList{"Letters(14)", "SelectBtn(1)", "SelectBtn(0)", "InstructionsOK"} << 1
        << QStringList{"MainMenu"};
}

void TestShell::moves()
{
    QFETCH(QStringList, touches);
    QFETCH(int, mode);
    QFETCH(QStringList, panels);
    Kiosk kiosk;
    kiosk.touchAll(touches);
    QCOMPARE(int(kiosk.state().Mode), mode);
    QCOMPARE(kiosk.visiblePanels(), panels);
    if (searchOf(Step(mode)))
        QCOMPARE(kiosk.state().KeyPadInput, std::string());
}

void TestShell::backArithmetic_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    const int moves[][2] = {{4, 1}, {5, 4}, {6, 1}, {7, 6}, {0, 1},
                            {1, 0}, {2, 1}, {3, 2}, {8, 1}, {9, 8}};
    for (const auto& move : moves)
        QTest::addRow("%d to %d", move[0], move[1]) << move[0] << move[1];
}

void TestShell::backArithmetic()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QCOMPARE(int(stepAfterBack(Step(from))), to);
}

// Touches on texts, bare panels, shapes and cards leave everything as it was.
void TestShell::touchesWithoutAction_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("target"); // a control's centre, or empty for `at`
    QTest::addColumn<QPoint>("at");

    const QStringList menu = {"Intro"};
    const QStringList streets = menu + QStringList{"HowDoIGetTo", "IKnowStreetNames"};
    const QStringList arrivals = menu + QStringList{"WhensTheBusComing"};
    const QStringList list = streets + QStringList{"Letters(5)"};
    const QStringList directions =
        list + QStringList{"SelectBtn(1)", "Letters(12)", "SelectBtn(0)"};

    QTest::newRow("main menu between the buttons") << menu << QString() << QPoint(200, 147);
    QTest::newRow("search type beside the buttons")
        << menu + QStringList{"HowDoIGetTo"} << QString() << QPoint(2, 100);
    QTest::newRow("arrivals heading") << arrivals << "lblBusSchedule" << QPoint();
    QTest::newRow("arrivals route column") << arrivals << "BusScheduleBList" << QPoint();
    QTest::newRow("arrivals white box") << arrivals << QString() << QPoint(300, 220);
    QTest::newRow("arrivals grey stripe") << arrivals << QString() << QPoint(180, 100);
    QTest::newRow("arrivals current time") << arrivals << "CurrentTime" << QPoint();
    QTest::newRow("prompt card") << streets << QString() << QPoint(166 + 20, 3 + 270);
    QTest::newRow("prompt text") << streets << "StreetSelectText" << QPoint();
    QTest::newRow("prompt title") << streets << "StreetSelectTitle" << QPoint();
    QTest::newRow("gap between keypad and prompt") << streets << QString() << QPoint(165, 100);
    QTest::newRow("keypad below the keys") << streets << QString() << QPoint(80, 283);
    QTest::newRow("list card") << list << QString() << QPoint(166 + 240, 3 + 150);
    QTest::newRow("candidate name") << list << "ListItem(0)" << QPoint();
    QTest::newRow("search word") << list << "SearchWord" << QPoint();
    QTest::newRow("greyed More Streets") << list << "MoreStreets(1)" << QPoint();
    QTest::newRow("directions text") << directions << "InstructionsText" << QPoint();
    QTest::newRow("directions rule") << directions << QString() << QPoint(200, 40);
}

void TestShell::touchesWithoutAction()
{
    QFETCH(QStringList, path);
    QFETCH(QString, target);
    QFETCH(QPoint, at);
    Kiosk kiosk;
    kiosk.touchAll(path);
    const KioskState before = kiosk.state();
    const QStringList panels = kiosk.visiblePanels();
    const QStringList rows = kiosk.rows();

    kiosk.touch(target.isEmpty() ? at : kiosk.centre(target));

    QCOMPARE(int(kiosk.state().Mode), int(before.Mode));
    QCOMPARE(kiosk.state().KeyPadInput, before.KeyPadInput);
    QCOMPARE(kiosk.state().DataPageNumber, before.DataPageNumber);
    QCOMPARE(kiosk.state().SelectedStreet, before.SelectedStreet);
    QCOMPARE(kiosk.visiblePanels(), panels);
    QCOMPARE(kiosk.rows(), rows);
}

void TestShell::arrivalsAreTheSameEveryVisit()
{
    Kiosk kiosk;
    const auto labels = kiosk.control("BusSchedule")->findChildren<Label*>();
    const auto texts = [&] {
        QStringList shown;
        for (const Label* label : labels)
            shown << label->objectName() + '=' + label->shownText();
        return shown;
    };
    kiosk.touchAll({"Intro", "WhensTheBusComing"});
    const QStringList first = texts();
    kiosk.touchAll(
        {"BusScheduleOK", "HowDoIGetTo", "IKnowLocation", "Back(0)", "WhensTheBusComing"});
    QCOMPARE(kiosk.visiblePanels(), QStringList{"BusSchedule"});
    QCOMPARE(texts(), first);
    QVERIFY(first.contains("BusScheduleBList=61C\n61B\n501F\n28X"));
    QVERIFY(first.contains("BusScheduleTList=10:03\n10:05\n10:07\n10:15"));
    QVERIFY(first.contains("CurrentTime=The current time is 9:58 pm"));
}

// What is drawn for "Phillips && Murray" is what plain text drawing makes of
// "Phillips & Murray", pixel for pixel.
void TestShell::doubledAmpersandDrawsOne()
{
    Kiosk kiosk;
    auto* label = kiosk.window.findChild<Label*>("IntroMessage(1)");
    QCOMPARE(label->shownText(), QStringLiteral("Phillips & Murray"));

    kiosk.control("IntroMessage(2)")->hide(); // "Bus stop!" reaches into the label's box
    const QImage drawn = kiosk.control("Intro")->grab(label->geometry()).toImage();
    QImage expected(drawn.size(), drawn.format());
    expected.setDevicePixelRatio(drawn.devicePixelRatio());
    expected.fill(Qt::white);
    QPainter painter(&expected);
    painter.setFont(label->font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(), label->size()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Phillips & Murray"));
    painter.end();
    QCOMPARE(drawn, expected);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
