// The plain rules, without a window: the prefix match and the echo of the typed text, the
// candidates for a chosen street or area the catalogue does not hold, and the scale and place
// at which the screens fit a screen of the kiosk's own. (What the catalogue offers is the reviewed
// listing docs/catalogue.txt, and paging is seen through the window.)
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
    void fittingScale_data();
    void fittingScale();
    void extentOffset_data();
    void extentOffset();
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

void TestRules::fittingScale_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("settled"); // where no place near the middle is whole, less
    QTest::addColumn<bool>("usable");
    QTest::newRow("1280 x 720, as tall as it is wide") << 1280 << 720 << 2.5 << 2.5 << true;
    QTest::newRow("1920 x 1080") << 1920 << 1080 << 3.75 << 3.75 << true;
    QTest::newRow("1280 x 800, bound by its height")
        << 1280 << 800 << 2.7777777777777777 << 2.7777777777777777 << true;
    // 31 logical pixels down, on device row 91 of 89.3 in the middle.
    QTest::newRow("1280 x 1024, bound by its width")
        << 1280 << 1024 << 2.9357798165137616 << 91.0 / 31 << true;
    // 23 logical pixels down, on device row 54 of 45.9.
    QTest::newRow("1024 x 768, 4:3") << 1024 << 768 << 2.3486238532110093 << 54.0 / 23 << true;
    // 239 logical pixels down: too far in to settle.
    QTest::newRow("1080 x 1920, portrait")
        << 1080 << 1920 << 2.477064220183486 << 2.477064220183486 << true;
    // 15 logical pixels down, on device row 11 of 14.4.
    QTest::newRow("320 x 240, smaller than the extent")
        << 320 << 240 << 0.7339449541284404 << 11.0 / 15 << true;
    QTest::newRow("100 x 60: words under three pixels")
        << 100 << 60 << 0.20833333333333334 << 0.20833333333333334 << false;
    QTest::newRow("8K") << 7680 << 4320 << 15.0 << 15.0 << true;
    QTest::newRow("beyond any screen made")
        << 7680 << 4800 << 16.666666666666668 << 16.666666666666668 << false;
    QTest::newRow("no size") << 0 << 0 << 0.0 << 0.0 << false;
    QTest::newRow("a size Qt reports negative")
        << -1280 << -720 << -2.9357798165137616 << -2.9357798165137616 << false;
}

void TestRules::fittingScale()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, scale);
    QFETCH(double, settled);
    QFETCH(bool, usable);
    QCOMPARE(FittingScale(width, height), scale);
    QCOMPARE(SettledScale(width, height), settled);
    QCOMPARE(UsableScale(SettledScale(width, height)), usable);
}

// Rooms are the screen's side in logical pixels, as Qt rounds it. Worked out by hand: the
// offset near the middle whose device place is whole, or nearest to whole where none is. Qt
// applies the whole scale itself but where the window system has a ratio of its own (own:
// Qt's part).
void TestRules::extentOffset_data()
{
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("extent");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("own");
    QTest::addColumn<int>("offset");
    QTest::newRow("1280 wide at 2.5: the middle, 95 device pixels")
        << 512 << 436 << 2.5 << 2.5 << 38;
    QTest::newRow("1920 wide at 3.75: not 142.5 but 135, the first of 135 and 150")
        << 512 << 436 << 3.75 << 3.75 << 36;
    QTest::newRow("1920 wide at 3.75, 1.875 of it Qt's: 150, whole at 1.875 too, not 135")
        << 512 << 436 << 3.75 << 1.875 << 40;
    QTest::newRow("1366 wide at 8/3: 104, not 101.33") << 512 << 436 << 8.0 / 3 << 8.0 / 3 << 39;
    QTest::newRow("768 tall at 256/109: 54.018, not 45.8")
        << 327 << 288 << 256.0 / 109 << 256.0 / 109 << 23;
    QTest::newRow("smaller than the extent: its middle") << 320 << 436 << 1.0 << 1.0 << -58;
}

void TestRules::extentOffset()
{
    QFETCH(int, room);
    QFETCH(int, extent);
    QFETCH(double, scale);
    QFETCH(double, own);
    QFETCH(int, offset);
    QCOMPARE(ExtentOffset(room, extent, scale, own), offset);
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
