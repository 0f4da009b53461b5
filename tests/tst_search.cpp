// Searching by touch: the keys under a finger and a mouse with two buttons, turning pages,
// and the choices. (What each search step shows, a new page as painted and both trips to their
// directions included, is guarded by the screen images.) One window serves every row; each
// starts on the main menu.
#include "KioskHarness.h"

#include <QTest>

using namespace stopwise;
using namespace stopwise::testing;

class TestSearch : public testing::KioskTest {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void pagesWrapAround_data();
    void pagesWrapAround();
    void choices_data();
    void choices();
};

// On the street step's letter keypad: each move is "press", "move" or "lift" of a finger,
// or "left-press", "left-lift", "right-press" or "right-lift" of a mouse's two buttons, at a
// control or at "x,y". A second button pressed while one is held is ignored.
void TestSearch::keys_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QString>("typed");
    const auto row = [](const char* name, const QString& moves, const char* typed) {
        QTest::newRow(name) << moves.split(u'|') << QString(typed);
    };
    row("lifted on the next key", "press Letters(0)|move Letters(1)|lift Letters(1)", "a");
    row("slid off and back on", "press Letters(0)|move 100,200|move Letters(0)|lift Letters(0)",
        "a");
    row("a double tap", "press Letters(17)|lift Letters(17)|press Letters(17)|lift Letters(17)",
        "rr");
    row("a mouse's other button", "right-press Letters(0)|right-lift Letters(0)", "a");
    row("the other button meanwhile",
        "left-press Letters(0)|right-press Letters(0)|left-lift Letters(0)|right-lift Letters(0)",
        "a");
}

void TestSearch::keys()
{
    QFETCH(QStringList, moves);
    QFETCH(QString, typed);
    QVERIFY(kiosk->walk(ToStreets));
    static QPointingDevice* const fingers = QTest::createTouchDevice();
    const QString pressed = moves.first().section(u' ', 1).replace("Letters", "Letter_sel");
    bool down = false; // the finger, or the mouse's first button
    for (const QString& move : moves) {
        const QString kind = move.section(u' ', 0, 0), where = move.section(u' ', 1);
        const QPoint at = kiosk->at(where);
        const Qt::MouseButton button = kind.startsWith("right") ? Qt::RightButton : Qt::LeftButton;
        if (kind.endsWith("-press"))
            QTest::mousePress(kiosk->handle(), button, {}, at);
        else if (kind.endsWith("-lift"))
            QTest::mouseRelease(kiosk->handle(), button, {}, at);
        else if (kind == "press")
            QTest::touchEvent(kiosk->handle(), fingers).press(0, at);
        else if (kind == "move")
            QTest::touchEvent(kiosk->handle(), fingers).move(0, at);
        else
            QTest::touchEvent(kiosk->handle(), fingers).release(0, at);
        down = kind.endsWith("press") || (down && !kind.endsWith("lift"));
        // Only the first key's pressed picture shows, and only while it is held.
        QStringList shown;
        for (const QWidget* key :
             kiosk->window().findChildren<QWidget*>(QRegularExpression("_sel")))
            if (key->isVisible())
                shown << key->objectName();
        QCOMPARE(shown, down ? QStringList{pressed} : QStringList{});
    }
    QCOMPARE(QString::fromStdString(kiosk->state().KeyPadInput), typed);
}

// More turns to the next page, whose unused rows hide, and from the last back to the first.
void TestSearch::pagesWrapAround_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("more");
    QTest::addColumn<QStringList>("second");
    QTest::newRow("five stops") << ToAreas + QStringList{"type sq", "choose Squirrel Hill"}
                                << "MoreStops(0)" << QStringList{"Squirrel Hill Theater"};
    QTest::newRow("six streets") << ToStreets + QStringList{"type m"} << "MoreStreets(0)"
                                 << QStringList{"Montier Street", "Murray Ave"};
    QTest::newRow("six areas") << ToAreas + QStringList{"type h"} << "MoreAreas(0)"
                               << QStringList{"Homestead", "Homewood"};
}

void TestSearch::pagesWrapAround()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, more);
    QFETCH(QStringList, second);
    QVERIFY(kiosk->walk(steps));
    const QStringList first = kiosk->rows();
    QCOMPARE(first.size(), 4);
    kiosk->touch(more);
    QCOMPARE(kiosk->rows(), second);
    for (qsizetype row = second.size(); row < 4; ++row)
        QVERIFY(!kiosk->control(QStringLiteral("SelectBtn(%1)").arg(row))->isVisible());
    kiosk->touch(more);
    QCOMPARE(kiosk->rows(), first);
}

// A choice is the row's name at the touch, kept through later paging and typing.
void TestSearch::choices_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Search>("search"); // whose choice it is
    QTest::addColumn<QString>("chosen");
    QTest::newRow("row 1 of page 2")
        << ToStreets + QStringList{"type m", "MoreStreets(0)", "SelectBtn(1)"} << Search::Street
        << "Murray Ave";
    QTest::newRow("kept through paging and typing")
        << ToAreas + QStringList{"type w", "SelectBtn(3)", "Back(1)", "type w", "MoreAreas(0)"}
        << Search::Area << "Wilkinsburg";
}

void TestSearch::choices()
{
    QFETCH(QStringList, steps);
    QFETCH(Search, search);
    QFETCH(QString, chosen);
    QVERIFY(kiosk->walk(steps));
    const KioskState& state = kiosk->state();
    QCOMPARE(search == Search::Street ? state.SelectedStreet : state.SelectedArea,
             chosen.toStdString());
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
