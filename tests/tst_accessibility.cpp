// What assistive technology is told, step by step through both trips: every touch target on
// show is a button named with the words on it and nothing else poses as one; select buttons
// follow the names in their rows as pages turn; labels read as drawn; the greyed paging
// buttons are unavailable; the cards behind the lists are graphics; a button's press action
// does what a touch does.
#include "KioskHarness.h"
#include "toolkit/Picture.h"

#include <QAccessible>
#include <QMap>

using namespace stopwise;
using stopwise::testing::Kiosk;

namespace {

using Names = QMap<QString, QString>; // control name to the accessible name it must report

QAccessibleInterface* interfaceOf(const Kiosk& kiosk, const QString& control)
{
    return QAccessible::queryAccessibleInterface(kiosk.control(control));
}

// Touches each step in turn; "choose NAME" touches the select button of the row showing NAME.
bool walk(Kiosk& kiosk, const QStringList& steps)
{
    for (const QString& step : steps) {
        if (step.startsWith(u"choose ")) {
            if (!kiosk.choose(step.mid(7)))
                return false;
        } else {
            kiosk.touch(step);
        }
    }
    return true;
}

Names letterPad()
{
    Names keys;
    for (int i = 0; i < 26; ++i)
        keys[QStringLiteral("Letters(%1)").arg(i)] = QChar(u'A' + i);
    keys["Letters(26)"] = "#";
    keys["Letters(27)"] = "clear";
    return keys;
}

Names numberPad()
{
    Names keys;
    for (int i = 0; i < 10; ++i)
        keys[QStringLiteral("Numbers(%1)").arg(i)] = QString::number(i);
    keys["Numbers(10)"] = "abc";
    keys["Numbers(11)"] = "clear";
    return keys;
}

// The select buttons of a page, top row first, and the right-hand panel's other buttons.
Names page(const QStringList& rows, const QString& paging, const QString& pagingName)
{
    Names buttons{{"Back(1)", "Back"}, {paging, pagingName}};
    for (int row = 0; row < rows.size(); ++row)
        buttons[QStringLiteral("SelectBtn(%1)").arg(row)] = "Select " + rows[row];
    return buttons;
}

Names operator+(Names a, const Names& b)
{
    a.insert(b);
    return a;
}

const QStringList ToStreets = {"IntroMessage(3)", "HowDoIGetTo", "IKnowStreetNames"};
const QStringList ToAreas = {"IntroMessage(3)", "HowDoIGetTo", "IKnowLocation"};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void touchTargetsOfEveryStep_data();
    void touchTargetsOfEveryStep();
    void selectNamesFollowTheRows();
    void labelsReadAsDrawn_data();
    void labelsReadAsDrawn();
    void pagingAvailability_data();
    void pagingAvailability();
    void cardsAreGraphics_data();
    void cardsAreGraphics();
    void pressActionTouches_data();
    void pressActionTouches();
};

void TestAccessibility::touchTargetsOfEveryStep_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Names>("buttons"); // every button on show, and nothing else

    const QStringList streetsM = ToStreets + QStringList{"Letters(12)"};
    const QStringList forbes = ToStreets + QStringList{"Letters(5)", "choose Forbes Ave"};
    const QStringList oakland = ToAreas + QStringList{"Letters(14)", "choose Oakland"};
    const QStringList streetsPage1 = {"Marion Street", "Meyran Ave", "Milwaukee St",
                                      "Monongahela Ave"};

    QTest::newRow("welcome") << QStringList{}
                             << Names{{"Intro", "Welcome to the Phillips & Murray Bus stop! "
                                                "Touch the screen to continue..."}};
    QTest::newRow("main menu") << QStringList{"IntroMessage(3)"}
                               << Names{{"HowDoIGetTo", "How do I get to..."},
                                        {"WhensTheBusComing", "When's the bus coming?"}};
    QTest::newRow("arrivals") << QStringList{"IntroMessage(3)", "WhensTheBusComing"}
                              << Names{{"BusScheduleOK", "OK"}};
    QTest::newRow("search type") << QStringList{"IntroMessage(3)", "HowDoIGetTo"}
                                 << Names{{"IKnowStreetNames", "I know the street names"},
                                          {"IKnowLocation", "I only know the location"}};
    QTest::newRow("street prompt") << ToStreets << letterPad() + Names{{"Back(0)", "Back"}};
    QTest::newRow("streets for m")
        << streetsM << letterPad() + page(streetsPage1, "MoreStreets(0)", "More Streets");
    QTest::newRow("streets for m, second page")
        << streetsM + QStringList{"MoreStreets(0)"}
        << letterPad() + page({"Montier Street", "Murray Ave"}, "MoreStreets(0)", "More Streets");
    QTest::newRow("number keypad")
        << streetsM + QStringList{"Letters(26)"}
        << numberPad() + page(streetsPage1, "MoreStreets(0)", "More Streets");
    QTest::newRow("streets for f, greyed paging")
        << ToStreets + QStringList{"Letters(5)"}
        << letterPad() + page({"Fifth Ave.", "Forbes Ave", "Frankstown Rd", "Freeport Rd"},
                              "MoreStreets(1)", "More Streets");
    QTest::newRow("cross street prompt") << forbes << letterPad() + Names{{"Back(0)", "Back"}};
    QTest::newRow("cross street no match")
        << forbes + QStringList{"Letters(16)"} << letterPad() + Names{{"Back(0)", "Back"}};
    QTest::newRow("street directions") << forbes + QStringList{"Letters(12)", "choose Murray Ave"}
                                       << Names{{"InstructionsOK", "OK"}};
    QTest::newRow("areas for w") << ToAreas + QStringList{"Letters(22)"}
                                 << letterPad() + page({"Waterfront", "Waterworks Mall",
                                                        "Wharton Sq.", "Wilkinsburg"},
                                                       "MoreAreas(0)", "More Areas");
    QTest::newRow("stops of Oakland")
        << oakland
        << letterPad() + page({"Cathedral of Learning", "Pitt. Union Station",
                               "Children's Hospital", "Carlow College"},
                              "MoreStops(0)", "More Stops");
    QTest::newRow("stop directions")
        << oakland + QStringList{"choose Carlow College"} << Names{{"InstructionsOK", "OK"}};
}

void TestAccessibility::touchTargetsOfEveryStep()
{
    QFETCH(QStringList, steps);
    QFETCH(Names, buttons);
    Kiosk kiosk;
    QVERIFY(walk(kiosk, steps));

    for (auto [control, name] : buttons.asKeyValueRange()) {
        QVERIFY2(kiosk.control(control)->isVisible(), qPrintable(control + " is not on show"));
        QAccessibleInterface* button = interfaceOf(kiosk, control);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), name);
    }
    for (const Control* control : kiosk.window.findChildren<const Control*>()) {
        if (!control->isVisible() || buttons.contains(control->objectName()))
            continue;
        QVERIFY2(interfaceOf(kiosk, control->objectName())->role() != QAccessible::Button,
                 qPrintable(control->objectName() + " poses as a button"));
    }
}

// The names change with the rows as the pages turn.
void TestAccessibility::selectNamesFollowTheRows()
{
    Kiosk kiosk;
    QVERIFY(walk(kiosk, ToAreas + QStringList{"Letters(22)"}));
    QCOMPARE(interfaceOf(kiosk, "SelectBtn(1)")->text(QAccessible::Name),
             QStringLiteral("Select Waterworks Mall"));
    kiosk.touch("MoreAreas(0)");
    QCOMPARE(interfaceOf(kiosk, "SelectBtn(0)")->text(QAccessible::Name),
             QStringLiteral("Select Wilmerding"));
    QCOMPARE(interfaceOf(kiosk, "SelectBtn(1)")->text(QAccessible::Name),
             QStringLiteral("Select WM Penn Hts."));
    kiosk.touch("MoreAreas(0)");
    QCOMPARE(interfaceOf(kiosk, "SelectBtn(1)")->text(QAccessible::Name),
             QStringLiteral("Select Waterworks Mall"));
}

void TestAccessibility::labelsReadAsDrawn_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");

    QTest::newRow("doubled ampersand on the welcome screen") << QStringList{} << "IntroMessage(1)"
                                                             << "Phillips & Murray";
    QTest::newRow("doubled ampersand in the directions title")
        << ToStreets +
               QStringList{"Letters(5)", "choose Forbes Ave", "Letters(12)", "choose Murray Ave"}
        << "InstructionsTitle"
        << "To get to Forbes Ave & Murray Ave:";
    QTest::newRow("typed letters")
        << ToStreets + QStringList{"Letters(12)", "Letters(8)"} << "SearchWord"
        << "Mi...";
    QTest::newRow("candidate row") << ToStreets + QStringList{"Letters(12)"} << "ListItem(2)"
                                   << "Milwaukee St";
    QTest::newRow("arrivals heading") << QStringList{} << "lblBusSchedule"
                                      << "Bus Schedule:";
}

void TestAccessibility::labelsReadAsDrawn()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, label);
    QFETCH(QString, name);
    Kiosk kiosk;
    QVERIFY(walk(kiosk, steps));
    QAccessibleInterface* text = interfaceOf(kiosk, label);
    QCOMPARE(text->role(), QAccessible::StaticText);
    QCOMPARE(text->text(QAccessible::Name), name);
}

void TestAccessibility::pagingAvailability_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("paging");
    QTest::addColumn<bool>("available");

    QTest::newRow("More Streets, six names")
        << ToStreets + QStringList{"Letters(12)"} << "MoreStreets(0)" << true;
    QTest::newRow("More Streets, four names")
        << ToStreets + QStringList{"Letters(5)"} << "MoreStreets(1)" << false;
    QTest::newRow("More Areas, six names")
        << ToAreas + QStringList{"Letters(22)"} << "MoreAreas(0)" << true;
    QTest::newRow("More Areas, three names")
        << ToAreas + QStringList{"Letters(1)"} << "MoreAreas(1)" << false;
    QTest::newRow("More Stops, six names")
        << ToAreas + QStringList{"Letters(14)", "choose Oakland"} << "MoreStops(0)" << true;
    QTest::newRow("More Stops, one name")
        << ToAreas + QStringList{"Letters(18)", "choose Shadyside"} << "MoreStops(1)" << false;
}

void TestAccessibility::pagingAvailability()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, paging);
    QFETCH(bool, available);
    Kiosk kiosk;
    QVERIFY(walk(kiosk, steps));
    QVERIFY(kiosk.control(paging)->isVisible());
    QAccessibleInterface* button = interfaceOf(kiosk, paging);
    QCOMPARE(button->role(), QAccessible::Button);
    QCOMPARE(button->state().disabled, !available);
    QCOMPARE(button->actionInterface()->actionNames().contains(
                 QAccessibleActionInterface::pressAction()),
             available);
}

// The cards take touches but do nothing with them: graphics without a name or an action.
void TestAccessibility::cardsAreGraphics_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("card");
    QTest::newRow("behind the prompt") << ToStreets << "Image2";
    QTest::newRow("behind the list") << ToStreets + QStringList{"Letters(12)"} << "MoreStops(3)";
}

void TestAccessibility::cardsAreGraphics()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, card);
    Kiosk kiosk;
    QVERIFY(walk(kiosk, steps));
    QVERIFY(kiosk.control(card)->isVisible());
    QAccessibleInterface* graphic = interfaceOf(kiosk, card);
    QCOMPARE(graphic->role(), QAccessible::Graphic);
    QVERIFY(graphic->text(QAccessible::Name).isEmpty());
    QVERIFY(graphic->actionInterface()->actionNames().isEmpty());
}

void TestAccessibility::pressActionTouches_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");

    QTest::newRow("welcome screen") << QStringList{} << "Intro" << 1 << "";
    QTest::newRow("menu button") << QStringList{"IntroMessage(3)"} << "HowDoIGetTo" << 3 << "";
    QTest::newRow("letter key") << ToStreets << "Letters(12)" << 4 << "m";
    QTest::newRow("select button")
        << ToStreets + QStringList{"Letters(12)"} << "SelectBtn(3)" << 5 << "";
    QTest::newRow("Back") << ToStreets << "Back(0)" << 1 << "";
}

void TestAccessibility::pressActionTouches()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, button);
    QFETCH(int, mode);
    QFETCH(QString, typed);
    Kiosk kiosk;
    QVERIFY(walk(kiosk, steps));
    interfaceOf(kiosk, button)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(int(kiosk.state().Mode), mode);
    QCOMPARE(QString::fromStdString(kiosk.state().KeyPadInput), typed);
    QVERIFY(!kiosk.control("Letter_sel(12)")->isVisible()); // a tap lifts the finger too
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
