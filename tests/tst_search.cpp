// Searching by touch: the keypads, the candidate pages, the choices and the directions,
// all through touches at window coordinates. (Back is walked with the other moves.)
#include "KioskHarness.h"
#include "common/Steps.h"

using namespace stopwise;
using stopwise::testing::Kiosk;

namespace {

const QStringList StreetSearch = {"Intro", "HowDoIGetTo", "IKnowStreetNames"};
const QStringList AreaSearch = {"Intro", "HowDoIGetTo", "IKnowLocation"};

QString letter(char c)
{
    return QStringLiteral("Letters(%1)").arg(c - 'a');
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void wholeStreetTrip();
    void wholeLocationTrip();
    void lettersAndDigits();
    void keypadSwitchKeepsText();
    void clearShowsThePromptAgain();
    void keyActsOnRelease_data();
    void keyActsOnRelease();
    void pagesWrapAround_data();
    void pagesWrapAround();
    void choiceOnSecondPage();
    void choiceIsACopy();
    void noMatchPrompts_data();
    void noMatchPrompts();
    void emptyTypedTextShowsTwoQuotes();
    void idlePagingPicturesDoNothing_data();
    void idlePagingPicturesDoNothing();
};

void TestSearch::wholeStreetTrip()
{
    Kiosk kiosk;
    kiosk.touchAll(StreetSearch);
    QCOMPARE(kiosk.text("StreetSelectTitle"), QStringLiteral("Select a street:"));
    kiosk.type("f");
    QCOMPARE(kiosk.visiblePanels(), (QStringList{"StreetSelectList", "KeyPad"}));
    QCOMPARE(kiosk.text("SearchWord"), QStringLiteral("F..."));
    QCOMPARE(kiosk.rows(),
             (QStringList{"Fifth Ave.", "Forbes Ave", "Frankstown Rd", "Freeport Rd"}));
    QVERIFY(kiosk.control("MoreStreets(1)")->isVisible()); // four names fit one page
    QVERIFY(!kiosk.control("MoreStreets(0)")->isVisible());
    QVERIFY(kiosk.choose("Forbes Ave"));

    QCOMPARE(int(kiosk.state().Mode), int(Step::CrossStreet));
    QCOMPARE(kiosk.text("StreetSelectText"),
             QStringLiteral("What cross street of Forbes Ave do you want to go to?"));
    kiosk.type("m");
    QCOMPARE(kiosk.rows(), QStringList{"Murray Ave"});
    QVERIFY(kiosk.choose("Murray Ave"));

    QCOMPARE(kiosk.visiblePanels(), QStringList{"Instructions"});
    QCOMPARE(kiosk.shown("InstructionsTitle"),
             QStringLiteral("To get to Forbes Ave & Murray Ave:"));
    QCOMPARE(kiosk.shown("InstructionsText"),
             QStringLiteral("1. Take the 28X on this side of the street to Forbes Ave & Morewood "
                            "Ave.\n2. Walk Across the street.\n3. Take the 61C to Forbes Ave & "
                            "Murray Ave"));
    kiosk.touch("InstructionsOK");
    QCOMPARE(kiosk.visiblePanels(), QStringList{"MainMenu"});
    QCOMPARE(kiosk.state().SelectedStreet, std::string("Forbes Ave"));
    QCOMPARE(kiosk.state().SelectedCrossStreet, std::string("Murray Ave"));
}

void TestSearch::wholeLocationTrip()
{
    Kiosk kiosk;
    kiosk.touchAll(AreaSearch);
    QCOMPARE(kiosk.text("StreetSelectTitle"), QStringLiteral("Select an area or township:"));
    kiosk.type("o");
    QCOMPARE(kiosk.text("StreetSelectListTitle"), QStringLiteral("Select an Area:"));
    QCOMPARE(kiosk.rows(), (QStringList{"Oak Hill", "Oakland"}));
    QVERIFY(kiosk.choose("Oakland"));

    QCOMPARE(int(kiosk.state().Mode), int(Step::Stop));
    QCOMPARE(kiosk.visiblePanels(), (QStringList{"StreetSelectList", "KeyPad"}));
    QCOMPARE(kiosk.text("SearchWord"), QString());
    QCOMPARE(kiosk.text("StreetSelectListTitle"), QStringLiteral("Select a stop:"));
    QVERIFY(kiosk.control("MoreStops(0)")->isVisible()); // six stops need two pages
    QVERIFY(kiosk.choose("Children's Hospital"));

    QCOMPARE(kiosk.visiblePanels(), QStringList{"Instructions"});
    QCOMPARE(kiosk.shown("InstructionsTitle"),
             QStringLiteral("To get to the Children's Hospital in Oakland:"));
    QCOMPARE(
        kiosk.text("InstructionsText"),
        QStringLiteral("1. Take the 61C on this side of the street to Children's Hospital\r\n"));
    kiosk.touch("InstructionsOK");
    QCOMPARE(kiosk.visiblePanels(), QStringList{"MainMenu"});
}

void TestSearch::lettersAndDigits()
{
    Kiosk kiosk;
    kiosk.touchAll(StreetSearch);
    kiosk.touchAll({letter('n'), "Letters(26)", "Numbers(6)", "Numbers(2)"});
    QCOMPARE(kiosk.state().KeyPadInput, std::string("n62"));
    QCOMPARE(kiosk.visiblePanels(), (QStringList{"StreetSelect", "NumKeyPad"}));
    QCOMPARE(kiosk.text("StreetSelectText"),
             QStringLiteral("I don't know any streets that start with \"n62\". Press clear and try "
                            "another street."));
}

void TestSearch::keypadSwitchKeepsText()
{
    Kiosk kiosk;
    kiosk.touchAll(StreetSearch);
    kiosk.touchAll({"Letters(26)", "Numbers(8)"});
    QCOMPARE(kiosk.rows(), (QStringList{"8th Ave", "8th Ave East"}));
    kiosk.touch("Numbers(10)");
    QCOMPARE(kiosk.visiblePanels(), (QStringList{"StreetSelectList", "KeyPad"}));
    QCOMPARE(kiosk.state().KeyPadInput, std::string("8"));
    kiosk.touch(letter('t'));
    QCOMPARE(kiosk.rows(), (QStringList{"8th Ave", "8th Ave East"}));
    QCOMPARE(kiosk.text("SearchWord"), QStringLiteral("8t..."));
}

void TestSearch::clearShowsThePromptAgain()
{
    Kiosk kiosk;
    kiosk.touchAll(StreetSearch);
    kiosk.type("m");
    kiosk.touch("MoreStreets(0)");
    QCOMPARE(kiosk.state().DataPageNumber, 1);
    kiosk.touch("Letters(27)");
    QCOMPARE(kiosk.state().KeyPadInput, std::string());
    QCOMPARE(kiosk.visiblePanels(), (QStringList{"StreetSelect", "KeyPad"}));
    QCOMPARE(kiosk.text("StreetSelectTitle"), QStringLiteral("Select a street:"));
    QCOMPARE(kiosk.state().DataPageNumber, 1); // the prompt leaves the hidden list as it was
    kiosk.touchAll({"Letters(26)", "Numbers(1)", "Numbers(11)"});
    QCOMPARE(kiosk.state().KeyPadInput, std::string());
    QCOMPARE(kiosk.visiblePanels(), (QStringList{"StreetSelect", "NumKeyPad"}));
}

// A key acts once, when the finger lifts, wherever it lifts; its pressed picture shows
// only while the finger is down.
void TestSearch::keyActsOnRelease_data()
{
    QTest::addColumn<QList<QPoint>>("slide"); // where the finger goes before it lifts, from A
    QTest::addColumn<QPoint>("lift");
    const QPoint a(3 + 20, 3 + 20);
    QTest::newRow("lifted on the key") << QList<QPoint>{} << a;
    QTest::newRow("lifted on the next key") << QList<QPoint>{QPoint(63, 23)} << QPoint(63, 23);
    QTest::newRow("lifted on the candidate panel")
        << QList<QPoint>{QPoint(300, 150)} << QPoint(300, 150);
    QTest::newRow("slid off and back on") << QList<QPoint>{QPoint(100, 200), a} << a;
}

void TestSearch::keyActsOnRelease()
{
    QFETCH(QList<QPoint>, slide);
    QFETCH(QPoint, lift);
    Kiosk kiosk;
    kiosk.touchAll(StreetSearch);
    kiosk.press(kiosk.centre("Letters(0)"));
    QVERIFY(kiosk.control("Letter_sel(0)")->isVisible());
    for (QPoint to : slide)
        kiosk.move(to);
    QCOMPARE(kiosk.state().KeyPadInput, std::string());
    kiosk.release(lift);
    QVERIFY(!kiosk.control("Letter_sel(0)")->isVisible());
    QCOMPARE(kiosk.state().KeyPadInput, std::string("a"));
    QCOMPARE(kiosk.rows(),
             (QStringList{"Adelaide Street", "Amity Street", "Ann Street", "Atwood Street"}));
}

// Squirrel Hill's five stops and the six streets beginning with M take two pages; More
// turns to the second and from there back to the first.
void TestSearch::pagesWrapAround_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("more");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::newRow("five stops") << AreaSearch +
                                       QStringList{letter('s'), letter('q'), "SelectBtn(0)"}
                                << "MoreStops(0)"
                                << QStringList{"Giant Eagle", "Frick Park", "Manor Theater",
                                               "Jewish Community Cntr"}
                                << QStringList{"Squirrel Hill Theater"};
    QTest::newRow("six streets") << StreetSearch + QStringList{letter('m')} << "MoreStreets(0)"
                                 << QStringList{"Marion Street", "Meyran Ave", "Milwaukee St",
                                                "Monongahela Ave"}
                                 << QStringList{"Montier Street", "Murray Ave"};
    QTest::newRow("six areas") << AreaSearch + QStringList{letter('h')} << "MoreAreas(0)"
                               << QStringList{"Harmarville", "Herron Hill", "Highland Pk.",
                                              "Hill District"}
                               << QStringList{"Homestead", "Homewood"};
}

void TestSearch::pagesWrapAround()
{
    QFETCH(QStringList, path);
    QFETCH(QString, more);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    Kiosk kiosk;
    kiosk.touchAll(path);
    QCOMPARE(kiosk.rows(), first);
    QVERIFY(kiosk.control(more)->isVisible());
    kiosk.touch(more);
    QCOMPARE(kiosk.state().DataPageNumber, 1);
    QCOMPARE(kiosk.rows(), second);
    for (int row = int(second.size()); row < 4; ++row)
        QVERIFY(!kiosk.control(QStringLiteral("SelectBtn(%1)").arg(row))->isVisible());
    kiosk.touch(more);
    QCOMPARE(kiosk.state().DataPageNumber, 0);
    QCOMPARE(kiosk.rows(), first);
}

void TestSearch::choiceOnSecondPage()
{
    Kiosk kiosk;
    kiosk.touchAll(StreetSearch + QStringList{letter('m'), "MoreStreets(0)", "SelectBtn(1)"});
    QCOMPARE(kiosk.state().SelectedStreet, std::string("Murray Ave")); // position 5 of the list
    QCOMPARE(int(kiosk.state().Mode), int(Step::CrossStreet));
}

void TestSearch::choiceIsACopy()
{
    Kiosk kiosk;
    kiosk.touchAll(AreaSearch + QStringList{letter('w'), "SelectBtn(3)"});
    QCOMPARE(kiosk.state().SelectedArea, std::string("Wilkinsburg"));
    kiosk.touchAll({"Back(1)", letter('w'), "MoreAreas(0)"});
    QCOMPARE(kiosk.text("ListItem(0)"), QStringLiteral("Wilmerding"));
    QCOMPARE(kiosk.state().SelectedArea, std::string("Wilkinsburg"));
}

void TestSearch::noMatchPrompts_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("street") << StreetSearch + QStringList{letter('x')} << "Select a Street:"
                            << "I don't know any streets that start with \"x\". Press clear and "
                               "try another street.";
    QTest::newRow("cross street")
        << StreetSearch + QStringList{letter('f'), "SelectBtn(1)", letter('z')}
        << "Select a Cross Street:"
        << "I don't know any cross streets of Forbes Ave that start with \"z\". Press clear and "
           "try another street.";
    QTest::newRow("area") << AreaSearch + QStringList{letter('q')} << "Select an area or township:"
                          << "I don't know any areas or townships that start with \"q\". Press "
                             "clear and try another.";
    QTest::newRow("stop") << AreaSearch + QStringList{letter('o'), "SelectBtn(1)", letter('z')}
                          << "Select a stop:"
                          << "I don't know any stops in Oakland that start with \"z\". Press clear "
                             "and try another.";
}

void TestSearch::noMatchPrompts()
{
    QFETCH(QStringList, path);
    QFETCH(QString, title);
    QFETCH(QString, text);
    Kiosk kiosk;
    kiosk.touchAll(path);
    QVERIFY(kiosk.state().Matches.empty());
    QCOMPARE(kiosk.visiblePanels(), (QStringList{"StreetSelect", "KeyPad"}));
    QCOMPARE(kiosk.text("StreetSelectTitle"), title);
    QCOMPARE(kiosk.text("StreetSelectText"), text);
}

void TestSearch::emptyTypedTextShowsTwoQuotes()
{
    Kiosk kiosk;
    kiosk.touchAll(AreaSearch + QStringList{letter('m'), letter('o'), "SelectBtn(0)"});
    QCOMPARE(kiosk.state().SelectedArea, std::string("Monroeville"));
    QCOMPARE(kiosk.visiblePanels(), (QStringList{"StreetSelect", "KeyPad"}));
    QCOMPARE(
        kiosk.text("StreetSelectText"),
        QStringLiteral("I don't know any stops in Monroeville that start with \"\". Press clear "
                       "and try another."));
}

void TestSearch::idlePagingPicturesDoNothing_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("target");
    QTest::newRow("greyed More Streets")
        << StreetSearch + QStringList{letter('f')} << "MoreStreets(1)";
    QTest::newRow("greyed More Areas") << AreaSearch + QStringList{letter('o')} << "MoreAreas(1)";
    QTest::newRow("greyed More Stops")
        << AreaSearch + QStringList{letter('h'), "MoreAreas(0)", "SelectBtn(0)"} << "MoreStops(1)";
    QTest::newRow("card behind a long list")
        << StreetSearch + QStringList{letter('m')} << "MoreStops(3)";
}

void TestSearch::idlePagingPicturesDoNothing()
{
    QFETCH(QStringList, path);
    QFETCH(QString, target);
    Kiosk kiosk;
    kiosk.touchAll(path);
    const QStringList rows = kiosk.rows();
    QVERIFY(kiosk.control(target)->isVisible());
    const QPoint at = target == "MoreStops(3)" ? QPoint(166 + 230, 3 + 150) : kiosk.centre(target);
    kiosk.touch(at);
    QCOMPARE(kiosk.state().DataPageNumber, 0);
    QCOMPARE(kiosk.rows(), rows);
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
