// What assistive technology is told: every touch target on show is a button named with the
// words on it and nothing else poses as one; a select button is read with its row and
// signals its new name as the pages turn; labels read as drawn; only a button a finger
// could touch offers a press, and pressing it does what a touch does.
#include "KioskHarness.h"
#include "toolkit/Control.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using namespace stopwise;
using namespace stopwise::testing;

namespace {

QAccessibleInterface* interfaceOf(const Kiosk& kiosk, const QString& control)
{
    return QAccessible::queryAccessibleInterface(kiosk.control(control));
}

// "control=name" for every button on show, in order.
QStringList buttonsOn(const Kiosk& kiosk)
{
    QStringList found;
    for (const Control* control : kiosk.window.findChildren<const Control*>()) {
        QAccessibleInterface* shown = interfaceOf(kiosk, control->objectName());
        if (control->isVisible() && shown->role() == QAccessible::Button)
            found << control->objectName() + '=' + shown->text(QAccessible::Name);
    }
    found.sort();
    return found;
}

// "Letters(0)=A|Letters(1)=B|..." for the signs of a keypad, in the order of their keys.
QString keys(const char* array, const QString& signs)
{
    QStringList names;
    for (const QString& sign : signs.split(u' '))
        names << QStringLiteral("%1(%2)=%3")
                     .arg(QLatin1StringView(array))
                     .arg(names.size())
                     .arg(sign);
    return names.join(u'|');
}

} // namespace

class TestAccessibility : public testing::KioskTest {
    Q_OBJECT
private slots:
    void buttonsOnShow_data();
    void buttonsOnShow();
    void welcomeIsOneButton();
    void selectButtonsFollowTheirRows();
    void pressAction_data();
    void pressAction();
};

void TestAccessibility::buttonsOnShow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("buttons"); // every button on show, "control=name|..."
    const QString letters =
        keys("Letters", "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z # clear");
    QTest::newRow("main menu")
        << QStringList{}
        << "HowDoIGetTo=How do I get to...|WhensTheBusComing=When's the bus coming?";
    QTest::newRow("street prompt") << ToStreets << letters + "|Back(0)=Back";
    QTest::newRow("streets on the number pad, greyed paging")
        << ToStreets + QStringList{"type f", "Letters(26)"}
        << keys("Numbers", "0 1 2 3 4 5 6 7 8 9 abc clear") +
               "|Back(1)=Back|MoreStreets(1)=More Streets|SelectBtn(0)=Select Fifth Ave."
               "|SelectBtn(1)=Select Forbes Ave|SelectBtn(2)=Select Frankstown Rd"
               "|SelectBtn(3)=Select Freeport Rd";
}

void TestAccessibility::buttonsOnShow()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, buttons);
    QVERIFY(kiosk->walk(steps));
    QStringList expected = buttons.split(u'|');
    expected.sort();
    QCOMPARE(buttonsOn(*kiosk), expected);
}

// The welcome screen, seen once at start, is one button read as its four texts.
void TestAccessibility::welcomeIsOneButton()
{
    QCOMPARE(buttonsOn(Kiosk()), QStringList{"Intro=Welcome to the Phillips & Murray Bus stop! "
                                             "Touch the screen to continue..."});
}

// A select button is read with the name in its row, kept current and signalled as the
// pages turn; labels read as drawn, "&&" as one "&".
void TestAccessibility::selectButtonsFollowTheirRows()
{
    QVERIFY(kiosk->walk({"HowDoIGetTo", "IKnowLocation", "type w"}));
    QCOMPARE(interfaceOf(*kiosk, "SelectBtn(1)")->text(QAccessible::Name),
             QStringLiteral("Select Waterworks Mall"));
    QSignalSpy announced(kiosk->control("SelectBtn(1)"), SIGNAL(nameChanged()));
    kiosk->touch("MoreAreas(0)");
    QCOMPARE(interfaceOf(*kiosk, "SelectBtn(1)")->text(QAccessible::Name),
             QStringLiteral("Select WM Penn Hts."));
    QCOMPARE(announced.size(), 1);

    kiosk->toMainMenu();
    QVERIFY(kiosk->walk(ToStreets +
                        QStringList{"type f", "choose Forbes Ave", "type m", "choose Murray Ave"}));
    QAccessibleInterface* title = interfaceOf(*kiosk, "InstructionsTitle");
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
    const auto row = [](const char* name, const QStringList& steps, const char* button,
                        bool offered, int step, const char* typed) {
        QTest::newRow(name) << steps << QString(button) << offered << step << QString(typed);
    };
    row("letter key", ToStreets, "Letters(12)", true, 4, "m");
    row("select button", ToStreets + QStringList{"type m"}, "SelectBtn(3)", true, 5, "");
    row("Back", ToStreets, "Back(0)", true, 1, "");
    row("the welcome panel, hidden", {}, "Intro", false, 1, "");
    row("a key of the hidden keypad", ToStreets, "Numbers(3)", false, 4, "");
    row("greyed More Streets", ToStreets + QStringList{"type f"}, "MoreStreets(1)", false, 4, "f");
    row("the card behind the list", ToStreets + QStringList{"type m"}, "MoreStops(3)", false, 4,
        "m");
}

void TestAccessibility::pressAction()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, button);
    QFETCH(bool, offered);
    QFETCH(int, step);
    QFETCH(QString, typed);
    QVERIFY(kiosk->walk(steps));
    QAccessibleActionInterface* actions = interfaceOf(*kiosk, button)->actionInterface();
    QCOMPARE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()), offered);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(int(kiosk->state().Mode), step);
    if (step >= 4)
        QCOMPARE(QString::fromStdString(kiosk->state().KeyPadInput), typed);
    QVERIFY(!kiosk->control("Letter_sel(12)")->isVisible()); // a press lifts the finger too
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
