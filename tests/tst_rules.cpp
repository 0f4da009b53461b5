// The plain rules behind the search and answer screens, tested without a window: the
// prefix match, the echo, the candidates of each step, the page arithmetic, the prompts
// before typing and the directions. (The no-match prompts are checked by touch.)
#include "answers/AnswerTexts.h"
#include "catalogue/DefineData.h"
#include "common/Steps.h"
#include "search/CandidateSearch.h"
#include "search/Paging.h"
#include "search/SearchTexts.h"

#include <QTest>
#include <set>

using namespace stopwise;

namespace {

QStringList toList(const std::vector<std::string_view>& names)
{
    QStringList list;
    for (std::string_view name : names)
        list << QString::fromUtf8(name.data(), name.size());
    return list;
}

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void prefix_data();
    void prefix();
    void echo_data();
    void echo();
    void candidates_data();
    void candidates();
    void everyCrossStreetCanBeTyped_data();
    void everyCrossStreetCanBeTyped();
    void everyStopOfAnAreaIsListed_data();
    void everyStopOfAnAreaIsListed();
    void paging_data();
    void paging();
    void typingPrompts_data();
    void typingPrompts();
    void directions_data();
    void directions();
    void arrivals();
};

void TestRules::prefix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches");
    QTest::newRow("lower case typed") << "Forbes Ave"
                                      << "for" << true;
    QTest::newRow("upper case typed") << "Forbes Ave"
                                      << "FOR" << true;
    QTest::newRow("mixed case typed") << "Forbes Ave"
                                      << "For" << true;
    QTest::newRow("whole name") << "Forbes Ave"
                                << "forbes ave" << true;
    QTest::newRow("longer than the name") << "Forbes Ave"
                                          << "forbes avenue" << false;
    QTest::newRow("nothing typed") << "Forbes Ave"
                                   << "" << true;
    QTest::newRow("digit") << "8th Ave East"
                           << "8" << true;
    QTest::newRow("dot must agree") << "St. Clair St"
                                    << "st." << true;
    QTest::newRow("dot missing") << "St. Clair St"
                                 << "stc" << false;
    QTest::newRow("capitals in the name") << "WM Penn Hts."
                                          << "wm" << true;
    QTest::newRow("apostrophe") << "O'Hara Street"
                                << "o'h" << true;
    QTest::newRow("different letter") << "Forbes Ave"
                                      << "fr" << false;
    QTest::newRow("empty name, nothing typed") << ""
                                               << "" << true;
    QTest::newRow("empty name, a letter typed") << ""
                                                << "a" << false;
}

void TestRules::prefix()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(bool, matches);
    QCOMPARE(MatchesPrefix(name.toStdString(), typed.toStdString()), matches);
}

void TestRules::echo_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one letter") << "f"
                                << "F...";
    QTest::newRow("word") << "for"
                          << "For...";
    QTest::newRow("rest stays lower case") << "wm"
                                           << "Wm...";
    QTest::newRow("digits") << "62"
                            << "62...";
    QTest::newRow("letter and digits") << "n62"
                                       << "N62...";
    QTest::newRow("nothing typed") << ""
                                   << "";
}

void TestRules::echo()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(q(EchoText(typed.toStdString())), shown);
}

void TestRules::candidates_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen"); // the street of step 5 or the area of step 7
    QTest::addColumn<QStringList>("names");

    QTest::newRow("streets for f")
        << 4 << "f"
        << "" << QStringList{"Fifth Ave.", "Forbes Ave", "Frankstown Rd", "Freeport Rd"};
    QTest::newRow("streets for m")
        << 4 << "m"
        << "" << QStringList{"Marion Street",   "Meyran Ave",     "Milwaukee St",
                             "Monongahela Ave", "Montier Street", "Murray Ave"};
    QTest::newRow("streets for FOR") << 4 << "FOR"
                                     << "" << QStringList{"Forbes Ave"};
    QTest::newRow("streets for forbes avenue") << 4 << "forbes avenue"
                                               << "" << QStringList{};
    QTest::newRow("streets for st") << 4 << "st"
                                    << "" << QStringList{"St. Clair St", "Stanwix Street"};
    QTest::newRow("streets for 8") << 4 << "8"
                                   << "" << QStringList{"8th Ave", "8th Ave East"};
    QTest::newRow("cross streets of Forbes Ave for m") << 5 << "m"
                                                       << "Forbes Ave" << QStringList{"Murray Ave"};
    QTest::newRow("cross streets of Atwood Street for a")
        << 5 << "a"
        << "Atwood Street" << QStringList{"Atwood Street"};
    QTest::newRow("cross streets of 11th Street for f")
        << 5 << "f"
        << "11th Street" << QStringList{"Forbes Ave"};
    QTest::newRow("cross streets of Forbes Ave for 1") << 5 << "1"
                                                       << "Forbes Ave" << QStringList{};
    QTest::newRow("cross streets of N Highland Ave for n") << 5 << "n"
                                                           << "N Highland Ave" << QStringList{};
    QTest::newRow("cross streets of Tito Way for a") << 5 << "a"
                                                     << "Tito Way" << QStringList{};
    QTest::newRow("cross streets of Whitfield St for w") << 5 << "w"
                                                         << "Whitfield St" << QStringList{};
    QTest::newRow("cross streets of an unknown street count as 11th Street's")
        << 5 << "f"
        << "Nowhere Rd" << QStringList{"Forbes Ave"};
    QTest::newRow("areas for w") << 6 << "w"
                                 << ""
                                 << QStringList{"Waterfront",  "Waterworks Mall", "Wharton Sq.",
                                                "Wilkinsburg", "Wilmerding",      "WM Penn Hts."};
    QTest::newRow("areas for elm") << 6 << "elm"
                                   << "" << QStringList{"Elmore Square"};
    QTest::newRow("stops of Oakland, nothing typed")
        << 7 << ""
        << "Oakland" << QStringList{"Cathedral of Learning",
                                    "Pitt. Union Station",
                                    "Children's Hospital",
                                    "Carlow College",
                                    "CMU",
                                    "Hillman Library"};
    QTest::newRow("stops of Oakland for c")
        << 7 << "c"
        << "Oakland"
        << QStringList{"Cathedral of Learning", "Children's Hospital", "Carlow College", "CMU"};
    QTest::newRow("stops of Monroeville") << 7 << ""
                                          << "Monroeville" << QStringList{};
    QTest::newRow("stops of Homestead")
        << 7 << ""
        << "Homestead" << QStringList{"Loews Home Cntr.", "Loews Theater", "Giant Eagle"};
    QTest::newRow("stops of an unknown area count as Aspenwall's")
        << 7 << ""
        << "Atlantis" << QStringList{"Veterans Hospital", "UPMC St. Margaret"};
}

void TestRules::candidates()
{
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(QStringList, names);
    const std::string typedText = typed.toStdString(), chosenName = chosen.toStdString();
    const auto found = Candidates(LoadCatalogue(), {.search = Search(mode - 4),
                                                    .typed = typedText,
                                                    .selectedStreet = chosenName,
                                                    .selectedArea = chosenName});
    QCOMPARE(toList(found), names);
}

// Whatever its first character, every cross street of every street can be reached by
// typing it, and nothing else is offered.
void TestRules::everyCrossStreetCanBeTyped_data()
{
    QTest::addColumn<int>("street");
    for (int s = 0; s < StreetCount; ++s)
        QTest::addRow("%s", LoadCatalogue().Streets[s].data()) << s;
}

void TestRules::everyCrossStreetCanBeTyped()
{
    QFETCH(int, street);
    const Catalogue& catalogue = LoadCatalogue();
    std::set<std::string_view> offered;
    for (char first : std::string_view("abcdefghijklmnopqrstuvwxyz0123456789")) {
        const std::string typed(1, first);
        for (std::string_view name :
             Candidates(catalogue, {.search = Search::CrossStreet,
                                   .typed = typed,
                                   .selectedStreet = catalogue.Streets[street]}))
            offered.insert(name);
    }
    std::set<std::string_view> expected;
    for (int x = 0; x < StreetCount; ++x)
        if (catalogue.CrossStreets[x][street])
            expected.insert(catalogue.Streets[x]);
    QVERIFY(offered == expected);
}

void TestRules::everyStopOfAnAreaIsListed_data()
{
    QTest::addColumn<int>("area");
    for (int a = 0; a + 1 < AreaCount; ++a)
        QTest::addRow("%s", LoadCatalogue().Areas[a].data()) << a;
}

void TestRules::everyStopOfAnAreaIsListed()
{
    QFETCH(int, area);
    const Catalogue& catalogue = LoadCatalogue();
    std::vector<std::string_view> expected;
    for (int t = 0; t < StopCount; ++t)
        if (catalogue.AreaStops[t][area])
            expected.push_back(catalogue.Stops[t]);
    QCOMPARE(toList(Candidates(catalogue,
                               {.search = Search::Stop, .selectedArea = catalogue.Areas[area]})),
             toList(expected));
}

void TestRules::paging_data()
{
    QTest::addColumn<int>("names");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("live");
    QTest::addColumn<QList<int>>("rowsPerPage");
    QTest::newRow("none") << 0 << 0 << false << QList<int>{};
    QTest::newRow("one") << 1 << 1 << false << QList<int>{1};
    QTest::newRow("three") << 3 << 1 << false << QList<int>{3};
    QTest::newRow("four fit one page") << 4 << 1 << false << QList<int>{4};
    QTest::newRow("five") << 5 << 2 << true << QList<int>{4, 1};
    QTest::newRow("eight") << 8 << 2 << true << QList<int>{4, 4};
    QTest::newRow("nine") << 9 << 3 << true << QList<int>{4, 4, 1};
    QTest::newRow("every street") << 61 << 16 << true
                                  << QList<int>{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 1};
}

void TestRules::paging()
{
    QFETCH(int, names);
    QFETCH(int, pages);
    QFETCH(bool, live);
    QFETCH(QList<int>, rowsPerPage);
    QCOMPARE(PageCount(names), pages);
    QCOMPARE(NeedsPaging(names), live);
    // Turning from page 0 visits every page once and comes back to 0.
    QList<int> rows;
    int page = 0;
    for (int turn = 0; turn < pages; ++turn) {
        rows << RowsOnPage(page, names);
        page = NextPage(page, names);
    }
    QCOMPARE(rows, rowsPerPage);
    QCOMPARE(page, 0);
    QCOMPARE(NextPage(0, names), pages > 1 ? 1 : 0); // an empty list has no page to turn to
    QCOMPARE(RowsOnPage(pages, names), 0);           // past the end nothing shows
}

void TestRules::typingPrompts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("street") << 4 << "Select a street:"
                            << "Use the buttons on the left to type in the name of the street you "
                               "want to go to.";
    QTest::newRow("cross street") << 5 << "Select a cross Street:"
                                  << "What cross street of Forbes Ave do you want to go to?";
    QTest::newRow("area") << 6 << "Select an area or township:"
                          << "Use the buttons on the left to type in the name of the area or "
                             "township you want to go to.";
}

void TestRules::typingPrompts()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const Prompt prompt = TypingPrompt(Search(mode - 4), "Forbes Ave").value();
    QCOMPARE(q(prompt.title), title);
    QCOMPARE(q(prompt.text), text);
}

void TestRules::directions_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString corner = "1. Take the 28X on this side of the street to Forbes Ave && Morewood "
                           "Ave.\r\n2. Walk Across the street.\r\n3. Take the 61C to ";
    QTest::newRow("Forbes Ave and Murray Ave")
        << 8 << "To get to Forbes Ave && Murray Ave:" << corner + "Forbes Ave && Murray Ave";
    QTest::newRow("Frick Park in Squirrel Hill")
        << 9 << "To get to the Frick Park in Squirrel Hill:"
        << "1. Take the 61C on this side of the street to Frick Park\r\n";
}

void TestRules::directions()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const Directions directions = mode == 8 ? DirectionsToCorner("Forbes Ave", "Murray Ave")
                                            : DirectionsToStop("Frick Park", "Squirrel Hill");
    QCOMPARE(q(directions.title), title);
    QCOMPARE(q(directions.text), text);
}

void TestRules::arrivals()
{
    const QStringList routes = q(ArrivalRoutes()).split("\r\n");
    const QStringList times = q(ArrivalTimes()).split("\r\n");
    QCOMPARE(routes, (QStringList{"61C", "61B", "501F", "28X"}));
    QCOMPARE(times, (QStringList{"10:03", "10:05", "10:07", "10:15"}));
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
