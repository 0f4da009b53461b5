// The place catalogue against the properties the kiosk relies on: the counts, unique
// names, the one-way cross streets, stops shared by several areas or in none, and the
// exact, case-sensitive lookups. Places are named rather than numbered where possible.
#include "catalogue/DefineData.h"

#include <QTest>
#include <algorithm>
#include <set>

using namespace stopwise;

namespace {

const Catalogue& data()
{
    return LoadCatalogue();
}
QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), text.size());
}

// The names at the indices where `yes` holds, in index order.
template <std::size_t N, typename Yes>
QStringList namesWhere(const std::array<std::string_view, N>& names, Yes yes)
{
    QStringList found;
    for (std::size_t i = 0; i < N; ++i)
        if (yes(int(i)))
            found << q(names[i]);
    return found;
}

bool offeredFor(int chosen) // whether the chosen street has any cross street
{
    return std::ranges::any_of(data().CrossStreets, [&](const auto& row) { return row[chosen]; });
}

int street(const char* name)
{
    return StreetIndex(name).value();
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void counts();
    void namesAreUnique();
    void crossStreetsAreOneWay();
    void streetsWithoutCrossStreets();
    void stopsAndTheirAreas_data();
    void stopsAndTheirAreas();
    void areasWithoutStops();
    void lookup_data();
    void lookup();
    void everyNameFindsItsOwnIndex();
};

void TestCatalogue::counts()
{
    const auto named = [](const auto& names) {
        return std::ranges::count_if(names, [](std::string_view n) { return !n.empty(); });
    };
    QCOMPARE(named(data().Streets), 61);
    QCOMPARE(named(data().Areas), 44);
    QVERIFY(data().Areas[44].empty());
    QCOMPARE(named(data().Stops), 33);

    const auto yes = [](const auto& matrix) {
        long cells = 0;
        for (const auto& row : matrix)
            cells += std::ranges::count(row, true);
        return cells;
    };
    QCOMPARE(yes(data().CrossStreets), 260);
    QCOMPARE(yes(data().AreaStops), 35);
}

void TestCatalogue::namesAreUnique()
{
    const std::set<std::string_view> streets(data().Streets.begin(), data().Streets.end());
    const std::set<std::string_view> areas(data().Areas.begin(), data().Areas.end());
    QCOMPARE(streets.size(), data().Streets.size());
    QCOMPARE(areas.size(), data().Areas.size());
}

void TestCatalogue::crossStreetsAreOneWay()
{
    const auto& cross = data().CrossStreets;
    QVERIFY(cross[street("Forbes Ave")][street("11th Street")]);
    QVERIFY(!cross[street("11th Street")][street("Forbes Ave")]);

    int bothWays = 0;
    for (int x = 0; x < StreetCount; ++x)
        for (int s = x + 1; s < StreetCount; ++s)
            bothWays += cross[x][s] && cross[s][x];
    QCOMPARE(bothWays, 21);

    const QStringList ownCrossStreet =
        namesWhere(data().Streets, [&](int s) { return cross[s][s]; });
    QCOMPARE(ownCrossStreet, (QStringList{"Atwood Street", "Craft Ave"}));
}

// Three streets offer no cross street, yet each is offered for some other street.
void TestCatalogue::streetsWithoutCrossStreets()
{
    const QStringList none = namesWhere(data().Streets, [](int s) { return !offeredFor(s); });
    QCOMPARE(none, (QStringList{"N Highland Ave", "Tito Way", "Whitfield St"}));
    for (const QString& name : none) {
        const auto& offeredAs = data().CrossStreets[street(qPrintable(name))];
        QVERIFY2(std::ranges::count(offeredAs, true) > 0, qPrintable(name));
    }
}

void TestCatalogue::stopsAndTheirAreas_data()
{
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QStringList>("areas");
    QTest::newRow("Loews Home Cntr. in two")
        << "Loews Home Cntr." << QStringList{"Homestead", "Waterfront"};
    QTest::newRow("Loews Theater in two")
        << "Loews Theater" << QStringList{"Homestead", "Waterfront"};
    QTest::newRow("Giant Eagle in three")
        << "Giant Eagle" << QStringList{"Homestead", "Squirrel Hill", "Waterfront"};
    QTest::newRow("Children's Hospital in one") << "Children's Hospital" << QStringList{"Oakland"};
    QTest::newRow("Monroeville Mall in none") << "Monroeville Mall" << QStringList{};
    QTest::newRow("Expo Mart in none") << "Expo Mart" << QStringList{};
}

void TestCatalogue::stopsAndTheirAreas()
{
    QFETCH(QString, stop);
    QFETCH(QStringList, areas);
    const auto& stops = data().Stops;
    const auto found = std::ranges::find(stops, stop.toStdString());
    QVERIFY(found != stops.end());
    const auto& inArea = data().AreaStops[found - stops.begin()];
    QCOMPARE(namesWhere(data().Areas, [&](int a) { return inArea[a]; }), areas);
}

void TestCatalogue::areasWithoutStops()
{
    const auto hasStop = [](int area) {
        return std::ranges::any_of(data().AreaStops, [&](const auto& row) { return row[area]; });
    };
    const QStringList empty = namesWhere(data().Areas, [&](int a) { return !hasStop(a); });
    QCOMPARE(empty.size(), 29);
    QVERIFY(empty.contains("Monroeville"));
    QVERIFY(empty.contains("")); // the unnamed last slot
}

void TestCatalogue::lookup_data()
{
    QTest::addColumn<bool>("isStreet");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected"); // -1: no index
    QTest::newRow("street: exact name") << true << "Forbes Ave" << 20;
    QTest::newRow("street: other case misses") << true << "forbes ave" << -1;
    QTest::newRow("street: trailing blank misses") << true << "Forbes Ave " << -1;
    QTest::newRow("street: Elmore Square") << true << "Elmore Square" << 17;
    QTest::newRow("street: empty name misses") << true << "" << -1;
    QTest::newRow("street: apostrophe") << true << "O'Hara Street" << 46;
    QTest::newRow("street: trailing dot kept") << true << "Fifth Ave." << 19;
    QTest::newRow("street: an area's name misses") << true << "Oakland" << -1;
    QTest::newRow("area: Elmore Square") << false << "Elmore Square" << 10;
    QTest::newRow("area: empty name is the unnamed slot") << false << "" << 44;
    QTest::newRow("area: capitals and dot kept") << false << "WM Penn Hts." << 43;
    QTest::newRow("area: missing trailing dot misses") << false << "Regant Sq" << -1;
    QTest::newRow("area: a street's name misses") << false << "Forbes Ave" << -1;
}

void TestCatalogue::lookup()
{
    QFETCH(bool, isStreet);
    QFETCH(QString, name);
    QFETCH(int, expected);
    const std::string text = name.toStdString();
    QCOMPARE((isStreet ? StreetIndex(text) : AreaIndex(text)).value_or(-1), expected);
}

void TestCatalogue::everyNameFindsItsOwnIndex()
{
    for (int s = 0; s < StreetCount; ++s)
        QCOMPARE(StreetIndex(data().Streets[s]), std::optional<int>(s));
    for (int a = 0; a < AreaCount; ++a)
        QCOMPARE(AreaIndex(data().Areas[a]), std::optional<int>(a));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
