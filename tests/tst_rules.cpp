// The plain rules, without a window: the prefix match and the echo of the typed text, the
// candidates of each search at the catalogue's edges (its lookups among them), and the page
// arithmetic.
#include "catalogue/DefineData.h"
#include "search/CandidateSearch.h"
#include "search/Paging.h"

#include <QTest>

using namespace stopwise;

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void prefixAndEcho_data();
    void prefixAndEcho();
    void candidates_data();
    void candidates();
    void paging_data();
    void paging();
};

void TestRules::prefixAndEcho_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::addColumn<QString>("echo");
    const auto row = [](const char* case_, const char* typed, const char* name, bool matches,
                        const char* echo) {
        QTest::newRow(case_) << QString(typed) << QString(name) << matches << QString(echo);
    };
    row("lower case", "for", "Forbes Ave", true, "For...");
    row("longer than the name", "forbes avenue", "Forbes Ave", false, "Forbes avenue...");
    row("capitals in the name", "wm", "WM Penn Hts.", true, "Wm...");
    row("a dot must agree", "stc", "St. Clair St", false, "Stc...");
    row("a letter, no name", "a", "", false, "A...");
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
    QTest::addColumn<int>("search");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen"); // the street or area whose cross streets or stops
    QTest::addColumn<QStringList>("names");
    const auto row = [](const char* name, Search search, const char* typed, const char* chosen,
                        const QStringList& names) {
        QTest::newRow(name) << int(search) << QString(typed) << QString(chosen) << names;
    };
    const Search cross = Search::CrossStreet, stop = Search::Stop;
    row("a cross street one way", cross, "f", "11th Street", {"Forbes Ave"});
    row("and not the other", cross, "1", "Forbes Ave", {});
    row("a street crossing itself", cross, "a", "Atwood Street", {"Atwood Street"});
    row("a street offering none", cross, "n", "N Highland Ave", {});
    row("an unknown street as the first", cross, "", "Nowhere Rd",
        {"62nd Street", "Butler Rd", "Forbes Ave", "Highland Ave", "Murray Ave", "Pittsburgh St",
         "Tioga St"});
    row("never the unnamed area", Search::Area, "wm", "", {"WM Penn Hts."});
    row("a stop in three areas", stop, "", "Homestead",
        {"Loews Home Cntr.", "Loews Theater", "Giant Eagle"});
    row("and in Waterfront", stop, "gi", "Waterfront", {"Giant Eagle"});
    row("an unknown area as the first", stop, "", "Atlantis",
        {"Veterans Hospital", "UPMC St. Margaret"});
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
    QTest::newRow("four fit one page") << 4 << false << QList<int>{4};
    QTest::newRow("nine") << 9 << true << QList<int>{4, 4, 1};
    QTest::newRow("sixty-one") << 61 << true << (QList<int>(15, 4) << 1);
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

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
