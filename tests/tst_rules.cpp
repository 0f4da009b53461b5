// The plain rules, without a window: the prefix match and the echo of the typed text, the
// candidates for a chosen street or area the catalogue does not hold, and the scale and place
// at which the screens fit a screen of the kiosk's own. (What the catalogue
// offers is the reviewed listing docs/catalogue.txt, and paging is seen through the window.)
#include "catalogue/DefineData.h"
#include "search/CandidateSearch.h"
#include "shell/ScreenFit.h"

#include <QTest>

#include <cmath>

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
    void usableScale_data();
    void usableScale();
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
    QTest::newRow("1280 x 720, as tall as it is wide") << 1280 << 720 << 2.5 << 2.5;
    QTest::newRow("1920 x 1080") << 1920 << 1080 << 3.75 << 3.75;
    QTest::newRow("3840 x 2160") << 3840 << 2160 << 7.5 << 7.5;
    QTest::newRow("1280 x 800, bound by its height")
        << 1280 << 800 << 2.7777777777777777 << 2.7777777777777777;
    // 31 logical pixels down, on device row 91 of 89.3 in the middle.
    QTest::newRow("1280 x 1024, bound by its width")
        << 1280 << 1024 << 2.9357798165137616 << 91.0 / 31;
    // 23 logical pixels down, on device row 54 of 45.9.
    QTest::newRow("1024 x 768, 4:3") << 1024 << 768 << 2.3486238532110093 << 54.0 / 23;
    // 239 logical pixels down: too far in to settle.
    QTest::newRow("1080 x 1920, portrait")
        << 1080 << 1920 << 2.477064220183486 << 2.477064220183486;
    // 15 logical pixels down, on device row 11 of 14.4.
    QTest::newRow("320 x 240, smaller than the extent")
        << 320 << 240 << 0.7339449541284404 << 11.0 / 15;
    QTest::newRow("no size") << 0 << 0 << 0.0 << 0.0;
}

void TestRules::fittingScale()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, scale);
    QFETCH(double, settled);
    QCOMPARE(FittingScale(width, height), scale);
    QCOMPARE(SettledScale(width, height), settled);
}

void TestRules::usableScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("usable");
    QTest::newRow("no size") << 0.0 << false;
    QTest::newRow("a size Qt reports negative") << -2.5 << false;
    QTest::newRow("not a number") << std::nan("") << false;
    QTest::newRow("words under three pixels") << 0.24 << false;
    QTest::newRow("the smallest") << 0.25 << true;
    QTest::newRow("320 x 240") << 0.73 << true;
    QTest::newRow("4K") << 7.5 << true;
    QTest::newRow("the largest") << 16.0 << true;
    QTest::newRow("beyond any screen made") << 16.5 << false;
}

void TestRules::usableScale()
{
    QFETCH(double, scale);
    QFETCH(bool, usable);
    QCOMPARE(UsableScale(scale), usable);
}

// Rooms are the screen's side in logical pixels, as Qt rounds it: 1280 / (25 / 9) = 460.8
// is 461. Worked out by hand: the offsets near the middle whose device place is whole, or
// nearest to whole where none is (scales over 109, which divides 436). Qt applies the whole
// scale itself but where the window system has a ratio of its own (own: Qt's part).
void TestRules::extentOffset_data()
{
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("extent");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("own");
    QTest::addColumn<int>("offset");
    QTest::newRow("exactly the extent") << 436 << 436 << 2.5 << 2.5 << 0;
    QTest::newRow("1280 wide at 2.5: the middle, 95 device pixels")
        << 512 << 436 << 2.5 << 2.5 << 38;
    QTest::newRow("1920 wide at 3.75: not 142.5 but 135, the first of 135 and 150")
        << 512 << 436 << 3.75 << 3.75 << 36;
    QTest::newRow("1920 wide at 3.75, 1.875 of it Qt's: 150, whole at 1.875 too, not 135")
        << 512 << 436 << 3.75 << 1.875 << 40;
    QTest::newRow("3840 wide at 7.5: the middle, 285") << 512 << 436 << 7.5 << 7.5 << 38;
    QTest::newRow("1366 wide at 8/3: 104, not 101.33") << 512 << 436 << 8.0 / 3 << 8.0 / 3 << 39;
    QTest::newRow("1280 wide at 25/9: 25, not 34.72") << 461 << 436 << 25.0 / 9 << 25.0 / 9 << 9;
    QTest::newRow("1920 wide at 25/6: 50, not 52.08") << 461 << 436 << 25.0 / 6 << 25.0 / 6 << 12;
    QTest::newRow("768 tall at 256/109: 54.018, not 45.8")
        << 327 << 288 << 256.0 / 109 << 256.0 / 109 << 23;
    QTest::newRow("1920 tall at 270/109: 592.018, not 603.3")
        << 775 << 288 << 270.0 / 109 << 270.0 / 109 << 239;
    QTest::newRow("240 tall at 80/109: 11.009, not 14.3")
        << 327 << 288 << 80.0 / 109 << 80.0 / 109 << 15;
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
