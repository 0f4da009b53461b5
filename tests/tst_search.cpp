// Searching by touch: what each search step shows for what is typed (prompts, titles, the
// echo, candidates and the paging picture), the keys under a finger, turning pages, the
// choices, and both trips to their directions. One window serves every row; each row
// starts on the main menu.
#include "KioskHarness.h"

#include <QTest>

using namespace stopwise;
using stopwise::testing::Kiosk;

namespace {

const QStringList Streets = {"HowDoIGetTo", "IKnowStreetNames"};
const QStringList Areas = {"HowDoIGetTo", "IKnowLocation"};
const QStringList Forbes = Streets + QStringList{"type f", "choose Forbes Ave"};
const QStringList Oakland = Areas + QStringList{"type o", "choose Oakland"};

QPoint at(Kiosk& kiosk, const QString& target)
{
    const QStringList xy = target.split(u',');
    return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : kiosk.centre(target);
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
    std::unique_ptr<Kiosk> m_kiosk;
private slots:
    void initTestCase() { m_kiosk = std::make_unique<Kiosk>(); }
    void init() { m_kiosk->toMainMenu(); }
    void whatIsShown_data();
    void whatIsShown();
    void keysUnderAFinger_data();
    void keysUnderAFinger();
    void pagesWrapAround_data();
    void pagesWrapAround();
    void choices_data();
    void choices();
};

// The right-hand panel after each walk: the prompt panel with its title and text, or the
// list with its title, echo, names and paging picture.
void TestSearch::whatIsShown_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text"); // the prompt, or the echo above the list
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("paging"); // the paging picture on show with the list

    const QStringList none;
    QTest::newRow("street prompt") << Streets << "Select a street:"
                                   << "Use the buttons on the left to type in the name of the "
                                      "street you want to go to."
                                   << none << "";
    QTest::newRow("four streets fit a page")
        << Streets + QStringList{"type f"} << "Select a street:"
        << "F..." << QStringList{"Fifth Ave.", "Forbes Ave", "Frankstown Rd", "Freeport Rd"}
        << "MoreStreets(1)";
    QTest::newRow("six streets need two")
        << Streets + QStringList{"type m"} << "Select a street:"
        << "M..." << QStringList{"Marion Street", "Meyran Ave", "Milwaukee St", "Monongahela Ave"}
        << "MoreStreets(0)";
    QTest::newRow("letters and digits")
        << Streets + QStringList{"type n", "Letters(26)", "Numbers(6)", "Numbers(2)"}
        << "Select a Street:"
        << "I don't know any streets that start with \"n62\". Press clear and try another street."
        << none << "";
    QTest::newRow("switching keypads keeps the text")
        << Streets + QStringList{"Letters(26)", "Numbers(8)", "Numbers(10)", "type t"}
        << "Select a street:"
        << "8t..." << QStringList{"8th Ave", "8th Ave East"} << "MoreStreets(1)";
    QTest::newRow("clear shows the prompt again")
        << Streets + QStringList{"type m", "MoreStreets(0)", "Letters(26)", "Numbers(11)"}
        << "Select a street:"
        << "Use the buttons on the left to type in the name of the street you want to go to."
        << none << "";
    QTest::newRow("cross-street prompt")
        << Forbes << "Select a cross Street:"
        << "What cross street of Forbes Ave do you want to go to?" << none << "";
    QTest::newRow("cross streets") << Forbes + QStringList{"type m"} << "Select a cross Street:"
                                   << "M..." << QStringList{"Murray Ave"} << "MoreStreets(1)";
    QTest::newRow("no cross street")
        << Forbes + QStringList{"type z"} << "Select a Cross Street:"
        << "I don't know any cross streets of Forbes Ave that start with \"z\". Press clear and "
           "try another street."
        << none << "";
    QTest::newRow("area prompt") << Areas << "Select an area or township:"
                                 << "Use the buttons on the left to type in the name of the area "
                                    "or township you want to go to."
                                 << none << "";
    QTest::newRow("six areas") << Areas + QStringList{"type w"} << "Select an Area:"
                               << "W..."
                               << QStringList{"Waterfront", "Waterworks Mall", "Wharton Sq.",
                                              "Wilkinsburg"}
                               << "MoreAreas(0)";
    QTest::newRow("no area")
        << Areas + QStringList{"type q"} << "Select an area or township:"
        << "I don't know any areas or townships that start with \"q\". Press clear and try "
           "another."
        << none << "";
    QTest::newRow("every stop of the area, untyped")
        << Oakland << "Select a stop:"
        << ""
        << QStringList{"Cathedral of Learning", "Pitt. Union Station", "Children's Hospital",
                       "Carlow College"}
        << "MoreStops(0)";
    QTest::newRow("stops beginning with c")
        << Oakland + QStringList{"type c"} << "Select a stop:"
        << "C..."
        << QStringList{"Cathedral of Learning", "Children's Hospital", "Carlow College", "CMU"}
        << "MoreStops(1)";
    QTest::newRow("no stop") << Oakland + QStringList{"type z"} << "Select a stop:"
                             << "I don't know any stops in Oakland that start with \"z\". Press "
                                "clear and try another."
                             << none << "";
    QTest::newRow("an area without stops, untyped")
        << Areas + QStringList{"type mo", "choose Monroeville"} << "Select a stop:"
        << "I don't know any stops in Monroeville that start with \"\". Press clear and try "
           "another."
        << none << "";
}

void TestSearch::whatIsShown()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(QString, paging);
    Kiosk& kiosk = *m_kiosk;
    QVERIFY(kiosk.walk(steps));
    const bool list = !paging.isEmpty();
    QCOMPARE(kiosk.control("StreetSelectList")->isVisible(), list);
    QCOMPARE(kiosk.control("StreetSelect")->isVisible(), !list);
    QCOMPARE(kiosk.text(list ? "StreetSelectListTitle" : "StreetSelectTitle"), title);
    QCOMPARE(kiosk.text(list ? "SearchWord" : "StreetSelectText"), text);
    if (!list)
        return;
    QCOMPARE(kiosk.rows(), names);
    QStringList pagingShown;
    for (const char* more : {"MoreStreets", "MoreAreas", "MoreStops"})
        for (int element : {0, 1})
            if (kiosk.control(QStringLiteral("%1(%2)").arg(more).arg(element))->isVisible())
                pagingShown << QStringLiteral("%1(%2)").arg(more).arg(element);
    QCOMPARE(pagingShown, QStringList{paging});
}

// A finger (or a mouse's buttons) on the letter keypad of the street step. Each move is
// "press", "move" or "lift" of the first finger, "press2" or "lift2" of a second one, or
// "right-press" or "right-lift" of a mouse's other button, then a control or "x,y".
void TestSearch::keysUnderAFinger_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QString>("pressed"); // the pressed picture on show after the first move
    QTest::addColumn<QString>("typed");
    const QString a = "Letters(0)", b = "Letters(1)", r = "Letters(17)";
    QTest::newRow("lifted on the key") << QStringList{"press " + a, "lift " + a} << "Letter_sel(0)"
                                       << "a";
    QTest::newRow("lifted on the next key")
        << QStringList{"press " + a, "move " + b, "lift " + b} << "Letter_sel(0)"
        << "a";
    QTest::newRow("lifted on the list")
        << QStringList{"press " + a, "move 300,150", "lift 300,150"} << "Letter_sel(0)"
        << "a";
    QTest::newRow("slid off and back on")
        << QStringList{"press " + a, "move 100,200", "move " + a, "lift " + a} << "Letter_sel(0)"
        << "a";
    QTest::newRow("a double tap types twice")
        << QStringList{"press " + r, "lift " + r, "press " + r, "lift " + r} << "Letter_sel(17)"
        << "rr";
    QTest::newRow("a second finger while the first is down")
        << QStringList{"press " + a, "press2 " + b, "lift2 " + b, "lift " + a} << "Letter_sel(0)"
        << "a";
    QTest::newRow("the second finger lifted last")
        << QStringList{"press " + a, "press2 " + b, "lift " + a, "lift2 " + b} << "Letter_sel(0)"
        << "a";
    QTest::newRow("a mouse's other button")
        << QStringList{"right-press " + a, "right-lift " + a} << "Letter_sel(0)"
        << "a";
    QTest::newRow("clear, held") << QStringList{"press Letters(27)", "lift Letters(27)"}
                                 << "Letter_sel(27)"
                                 << "";
}

void TestSearch::keysUnderAFinger()
{
    QFETCH(QStringList, moves);
    QFETCH(QString, pressed);
    QFETCH(QString, typed);
    Kiosk& kiosk = *m_kiosk;
    QVERIFY(kiosk.walk(Streets));
    QPointingDevice* fingers = QTest::createTouchDevice();
    for (const QString& move : moves) {
        const QString kind = move.section(u' ', 0, 0);
        const QPoint point = at(kiosk, move.section(u' ', 1));
        if (kind == "press2")
            QTest::touchEvent(kiosk.handle(), fingers).stationary(0).press(1, point);
        else if (kind == "lift2")
            QTest::touchEvent(kiosk.handle(), fingers).stationary(0).release(1, point);
        else if (kind == "right-press")
            QTest::mousePress(kiosk.handle(), Qt::RightButton, {}, point);
        else if (kind == "right-lift")
            QTest::mouseRelease(kiosk.handle(), Qt::RightButton, {}, point);
        else if (kind == "press")
            QTest::touchEvent(kiosk.handle(), fingers).press(0, point);
        else if (kind == "move")
            QTest::touchEvent(kiosk.handle(), fingers).move(0, point);
        else
            QTest::touchEvent(kiosk.handle(), fingers).release(0, point);
        if (move == moves.first())
            QVERIFY(kiosk.control(pressed)->isVisible());
    }
    QCOMPARE(QString::fromStdString(kiosk.state().KeyPadInput), typed);
    for (const QWidget* picture : kiosk.window.findChildren<QWidget*>(QRegularExpression("_sel")))
        QVERIFY2(!picture->isVisible(), qPrintable(picture->objectName()));
}

// More turns to the next page, whose unused rows hide, and from the last back to the first.
void TestSearch::pagesWrapAround_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("more");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::newRow("five stops") << Areas + QStringList{"type sq", "choose Squirrel Hill"}
                                << "MoreStops(0)"
                                << QStringList{"Giant Eagle", "Frick Park", "Manor Theater",
                                               "Jewish Community Cntr"}
                                << QStringList{"Squirrel Hill Theater"};
    QTest::newRow("six streets") << Streets + QStringList{"type m"} << "MoreStreets(0)"
                                 << QStringList{"Marion Street", "Meyran Ave", "Milwaukee St",
                                                "Monongahela Ave"}
                                 << QStringList{"Montier Street", "Murray Ave"};
    QTest::newRow("six areas") << Areas + QStringList{"type h"} << "MoreAreas(0)"
                               << QStringList{"Harmarville", "Herron Hill", "Highland Pk.",
                                              "Hill District"}
                               << QStringList{"Homestead", "Homewood"};
}

void TestSearch::pagesWrapAround()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, more);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    Kiosk& kiosk = *m_kiosk;
    QVERIFY(kiosk.walk(steps));
    QCOMPARE(kiosk.rows(), first);
    kiosk.touch(more);
    QCOMPARE(kiosk.rows(), second);
    for (qsizetype row = second.size(); row < 4; ++row)
        QVERIFY(!kiosk.control(QStringLiteral("SelectBtn(%1)").arg(row))->isVisible());
    kiosk.touch(more);
    QCOMPARE(kiosk.rows(), first);
}

// The choice is the row's name at the touch, kept through later paging and typing, and both
// trips end in their directions.
void TestSearch::choices_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("title"); // of the directions, as shown
    QTest::addColumn<QString>("directions");
    QTest::newRow("the street trip")
        << Forbes + QStringList{"type m", "choose Murray Ave"} << "Forbes Ave"
        << ""
        << "To get to Forbes Ave & Murray Ave:"
        << "1. Take the 28X on this side of the street to Forbes Ave & Morewood Ave.\n2. Walk "
           "Across the street.\n3. Take the 61C to Forbes Ave & Murray Ave";
    QTest::newRow("the location trip") << Oakland + QStringList{"MoreStops(0)", "choose CMU"} << ""
                                       << "Oakland"
                                       << "To get to the CMU in Oakland:"
                                       << "1. Take the 61C on this side of the street to CMU\n";
    QTest::newRow("row 1 of page 2")
        << Streets + QStringList{"type m", "MoreStreets(0)", "SelectBtn(1)"} << "Murray Ave"
        << ""
        << ""
        << "";
    QTest::newRow("kept through paging and typing")
        << Areas + QStringList{"type w", "SelectBtn(3)", "Back(1)", "type w", "MoreAreas(0)"} << ""
        << "Wilkinsburg"
        << ""
        << "";
}

void TestSearch::choices()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, street);
    QFETCH(QString, area);
    QFETCH(QString, title);
    QFETCH(QString, directions);
    Kiosk& kiosk = *m_kiosk;
    QVERIFY(kiosk.walk(steps));
    if (!street.isEmpty())
        QCOMPARE(QString::fromStdString(kiosk.state().SelectedStreet), street);
    if (!area.isEmpty())
        QCOMPARE(QString::fromStdString(kiosk.state().SelectedArea), area);
    if (title.isEmpty())
        return;
    QCOMPARE(kiosk.visiblePanels(), QStringList{"Instructions"});
    QCOMPARE(kiosk.shown("InstructionsTitle"), title);
    QCOMPARE(kiosk.shown("InstructionsText"), directions);
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
