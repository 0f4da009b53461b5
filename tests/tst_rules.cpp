// The plain rules, without a window: the catalogue's exact lookups, the prefix match and
// the echo of the typed text, the candidates of each search at their edges, the page
// arithmetic, and Back from every step.
#include "catalogue/DefineData.h"
#include "common/Steps.h"
#include "search/CandidateSearch.h"
#include "search/Paging.h"

#include <QTest>

using namespace stopwise;

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void lookup_data();
    void lookup();
    void prefixAndEcho_data();
    void prefixAndEcho();
    void candidates_data();
    void candidates();
    void paging_data();
    void paging();
    void back();
};

void TestRules::lookup_data()
{
    QTest::addColumn<bool>("street"); // or area
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index"); // -1: none
    QTest::newRow("street, exact") << true << "Forbes Ave" << 20;
    QTest::newRow("street, other case") << true << "forbes ave" << -1;
    QTest::newRow("street, trailing blank") << true << "Forbes Ave " << -1;
    QTest::newRow("street, empty") << true << "" << -1;
    QTest::newRow("street named like an area") << true << "Elmore Square" << 17;
    QTest::newRow("area named like a street") << false << "Elmore Square" << 10;
    QTest::newRow("area, the unnamed last slot") << false << "" << 44;
    QTest::newRow("area, trailing dot missing") << false << "Regant Sq" << -1;
}

void TestRules::lookup()
{
    QFETCH(bool, street);
    QFETCH(QString, name);
    QFETCH(int, index);
    const std::string text = name.toStdString();
    QCOMPARE((street ? StreetIndex(text) : AreaIndex(text)).value_or(-1), index);
}

void TestRules::prefixAndEcho_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::addColumn<QString>("echo");
    QTest::newRow("lower case") << "for"
                                << "Forbes Ave" << true << "For...";
    QTest::newRow("upper case") << "FOR"
                                << "Forbes Ave" << true << "FOR...";
    QTest::newRow("whole name") << "forbes ave"
                                << "Forbes Ave" << true << "Forbes ave...";
    QTest::newRow("longer than the name") << "forbes avenue"
                                          << "Forbes Ave" << false << "Forbes avenue...";
    QTest::newRow("another letter") << "fr"
                                    << "Forbes Ave" << false << "Fr...";
    QTest::newRow("capitals in the name") << "wm"
                                          << "WM Penn Hts." << true << "Wm...";
    QTest::newRow("a dot must agree") << "stc"
                                      << "St. Clair St" << false << "Stc...";
    QTest::newRow("digits") << "62"
                            << "62nd Street" << true << "62...";
    QTest::newRow("nothing typed") << ""
                                   << "Forbes Ave" << true << "";
    QTest::newRow("nothing typed, no name") << ""
                                            << "" << true << "";
    QTest::newRow("a letter, no name") << "a"
                                       << "" << false << "A...";
}

void TestRules::prefixAndEcho()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QFETCH(QString, echo);
    QCOMPARE(MatchesPrefix(name.toStdString(), typed.toStdString()), matches);
    QCOMPARE(QString::fromStdString(EchoText(typed.toStdString())), echo);
}

// The edges of the catalogue's relations, as the searches meet them.
void TestRules::candidates_data()
{
    QTest::addColumn<int>("search"); // Street, CrossStreet, Area, Stop
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen"); // the street or area whose cross streets or stops
    QTest::addColumn<QStringList>("names");
    const int cross = int(Search::CrossStreet), stop = int(Search::Stop);
    QTest::newRow("streets beginning with st")
        << int(Search::Street) << "st"
        << "" << QStringList{"St. Clair St", "Stanwix Street"};
    QTest::newRow("a cross street one way only") << cross << "f"
                                                 << "11th Street" << QStringList{"Forbes Ave"};
    QTest::newRow("and not the other way") << cross << "1"
                                           << "Forbes Ave" << QStringList{};
    QTest::newRow("a street crossing itself") << cross << "a"
                                              << "Atwood Street" << QStringList{"Atwood Street"};
    QTest::newRow("N Highland Ave offers none") << cross << "n"
                                                << "N Highland Ave" << QStringList{};
    QTest::newRow("Tito Way offers none") << cross << "t"
                                          << "Tito Way" << QStringList{};
    QTest::newRow("Whitfield St offers none") << cross << "w"
                                              << "Whitfield St" << QStringList{};
    QTest::newRow("an unknown street as the first")
        << cross << ""
        << "Nowhere Rd" << QStringList{"62nd Street", "Butler Rd",     "Forbes Ave", "Highland Ave",
                                       "Murray Ave",  "Pittsburgh St", "Tioga St"};
    QTest::newRow("areas never offer the unnamed slot") << int(Search::Area) << "wm"
                                                        << "" << QStringList{"WM Penn Hts."};
    QTest::newRow("a stop in three areas, Homestead")
        << stop << ""
        << "Homestead" << QStringList{"Loews Home Cntr.", "Loews Theater", "Giant Eagle"};
    QTest::newRow("a stop in three areas, Squirrel Hill")
        << stop << "g"
        << "Squirrel Hill" << QStringList{"Giant Eagle"};
    QTest::newRow("a stop in three areas, Waterfront")
        << stop << "gi"
        << "Waterfront" << QStringList{"Giant Eagle"};
    QTest::newRow("Monroeville has no stops") << stop << ""
                                              << "Monroeville" << QStringList{};
    QTest::newRow("an unknown area as the first")
        << stop << ""
        << "Atlantis" << QStringList{"Veterans Hospital", "UPMC St. Margaret"};
}

void TestRules::candidates()
{
    QFETCH(int, search);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(QStringList, names);
    const std::string typedText = typed.toStdString(), chosenName = chosen.toStdString();
    QStringList found;
    for (std::string_view name : Candidates(LoadCatalogue(), {.search = Search(search),
                                                             .typed = typedText,
                                                             .selectedStreet = chosenName,
                                                             .selectedArea = chosenName}))
        found << QString::fromUtf8(name.data(), qsizetype(name.size()));
    QCOMPARE(found, names);
}

// Turning pages from the first: the rows each page fills, and back to the first.
void TestRules::paging_data()
{
    QTest::addColumn<int>("names");
    QTest::addColumn<bool>("live"); // the live More picture shows
    QTest::addColumn<QList<int>>("rowsPerPage");
    QTest::newRow("none: no page to turn to") << 0 << false << QList<int>{0};
    QTest::newRow("three") << 3 << false << QList<int>{3};
    QTest::newRow("four fit one page") << 4 << false << QList<int>{4};
    QTest::newRow("five") << 5 << true << QList<int>{4, 1};
    QTest::newRow("eight") << 8 << true << QList<int>{4, 4};
    QTest::newRow("nine") << 9 << true << QList<int>{4, 4, 1};
    QTest::newRow("sixty-one") << 61 << true
                               << QList<int>{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 1};
}

void TestRules::paging()
{
    QFETCH(int, names);
    QFETCH(bool, live);
    QFETCH(QList<int>, rowsPerPage);
    QCOMPARE(NeedsPaging(names), live);
    QList<int> rows;
    int page = 0;
    do {
        rows << RowsOnPage(page, names);
        page = NextPage(page, names);
    } while (page != 0 && rows.size() <= rowsPerPage.size());
    QCOMPARE(rows, rowsPerPage);
}

// Back from each step, reachable or not: odd steps one down, even ones to the main menu.
void TestRules::back()
{
    const int after[] = {1, 0, 1, 2, 1, 4, 1, 6, 1, 8};
    for (int step = 0; step < 10; ++step)
        QCOMPARE(int(stepAfterBack(Step(step))), after[step]);
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
