// The plain rules, without a window: the prefix match and the echo of the typed text, the
// candidates for a chosen street or area the catalogue does not hold, and the screens no scale
// fits. (What the catalogue offers is the reviewed listing docs/catalogue.txt, paging is seen
// through the window, and the scale and place on the screens a stop may have are the
// full-screen test's.)
#include "catalogue/DefineData.h"
#include "search/CandidateSearch.h"
#include "shell/ScreenFit.h"

#include <QTest>

using namespace stopwise;

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void prefixAndEcho_data();
    void prefixAndEcho();
    void candidates_data();
    void candidates();
    void usableScale_data();
    void usableScale();
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
    row("the whole name", "cmu", "CMU", true, "Cmu...");
    row("longer than the name", "forbes avenue", "Forbes Ave|nue", false, "Forbes avenue...");
    row("capitals in the name", "wm", "WM Penn Hts.", true, "Wm...");
    row("a dot must agree", "stc", "St. Clair St", false, "Stc...");
}

void TestRules::prefixAndEcho()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QFETCH(QString, echo);
    // A name ends at '|'; what follows lies just past its end, where a match must not look.
    const qsizetype end = name.contains(u'|') ? name.indexOf(u'|') : name.size();
    const std::string memory = name.remove(u'|').toStdString();
    QCOMPARE(MatchesPrefix(std::string_view(memory).substr(0, end), typed.toStdString()), matches);
    QCOMPARE(QString::fromStdString(EchoText(typed.toStdString())), echo);
}

// A chosen name is looked up exactly; one the catalogue does not hold counts as its first.
void TestRules::candidates_data()
{
    QTest::addColumn<int>("search");
    QTest::addColumn<QString>("chosen"); // the street or area whose cross streets or stops
    QTest::addColumn<QStringList>("names");
    const auto row = [](const char* name, Search search, const char* chosen,
                        const QStringList& names) {
        QTest::newRow(name) << int(search) << QString(chosen) << names;
    };
    row("an unknown street as the first", Search::CrossStreet, "Nowhere Rd",
        {"62nd Street", "Butler Rd", "Forbes Ave", "Highland Ave", "Murray Ave", "Pittsburgh St",
         "Tioga St"});
    row("an unknown area as the first", Search::Stop, "Atlantis",
        {"Veterans Hospital", "UPMC St. Margaret"});
}

void TestRules::candidates()
{
    QFETCH(int, search);
    QFETCH(QString, chosen);
    QFETCH(QStringList, names);
    const std::string chosenName = chosen.toStdString();
    QStringList found;
    for (std::string_view name : Candidates(
             LoadCatalogue(),
             {.search = Search(search), .selectedStreet = chosenName, .selectedArea = chosenName}))
        found << QString::fromUtf8(name.data(), qsizetype(name.size()));
    QCOMPARE(found, names);
}

// The screens a stop may have are the full-screen test's; these are the sizes no stop should
// be fitted to: too small to read, too large to cache, none at all.
void TestRules::usableScale_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("usable");
    QTest::newRow("100 x 60: words under three pixels") << 100 << 60 << false;
    QTest::newRow("8K, at 15") << 7680 << 4320 << true;
    QTest::newRow("beyond any screen made") << 7680 << 4800 << false;
    QTest::newRow("no size") << 0 << 0 << false;
    QTest::newRow("a size Qt reports negative") << -1280 << -720 << false;
}

void TestRules::usableScale()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, usable);
    QCOMPARE(UsableScale(SettledScale(width, height)), usable);
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
