// Checks the place catalogue against the properties the kiosk relies on: how many names each
// table holds, which slots are unnamed, how many yes cells the two relation tables carry, the
// one-way nature of cross streets, stops shared by several areas or lying in none, and the
// exact, case-sensitive name lookups. Places are named rather than numbered wherever possible.
#include "catalogue/DefineData.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstddef>
#include <span>
#include <string>

using namespace stopwise;

namespace {

enum class Table { Streets, Areas, Stops };
enum class Relation { CrossStreets, AreaStops };

std::span<const std::string_view> namesOf(Table table)
{
    const Catalogue& catalogue = LoadCatalogue();
    switch (table) {
    case Table::Streets: return catalogue.Streets;
    case Table::Areas: return catalogue.Areas;
    case Table::Stops: return catalogue.Stops;
    }
    return {};
}

std::optional<int> lookUp(Table table, const QString& name)
{
    const std::string text = name.toStdString();
    return table == Table::Streets ? StreetIndex(text) : AreaIndex(text);
}

std::optional<int> stopIndex(const QString& name)
{
    const std::string text = name.toStdString();
    const auto stops = LoadCatalogue().Stops;
    for (int index = 0; index < StopCount; ++index) {
        if (stops[index] == text) {
            return index;
        }
    }
    return std::nullopt;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool offeredForAnyOther(int street)
{
    const auto& offeredFor = LoadCatalogue().CrossStreets[street];
    for (int chosen = 0; chosen < StreetCount; ++chosen) {
        if (chosen != street && offeredFor[chosen]) {
            return true;
        }
    }
    return false;
}

bool hasCrossStreet(int chosen)
{
    for (const auto& offeredFor : LoadCatalogue().CrossStreets) {
        if (offeredFor[chosen]) {
            return true;
        }
    }
    return false;
}

bool hasStop(int area)
{
    for (const auto& inArea : LoadCatalogue().AreaStops) {
        if (inArea[area]) {
            return true;
        }
    }
    return false;
}

template <typename Matrix> int yesCells(const Matrix& matrix)
{
    int count = 0;
    for (const auto& row : matrix) {
        for (bool cell : row) {
            count += cell ? 1 : 0;
        }
    }
    return count;
}

} // namespace

Q_DECLARE_METATYPE(Table)
Q_DECLARE_METATYPE(Relation)

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void namedSlots_data()
    {
        QTest::addColumn<Table>("table");
        QTest::addColumn<int>("named");
        QTest::addColumn<int>("emptySlot"); // -1: every slot is named

        QTest::newRow("all 61 streets named") << Table::Streets << 61 << -1;
        QTest::newRow("44 areas named, last slot empty") << Table::Areas << 44 << 44;
        QTest::newRow("all 33 stops named") << Table::Stops << 33 << -1;
    }
    void namedSlots()
    {
        QFETCH(Table, table);
        QFETCH(int, named);
        QFETCH(int, emptySlot);

        const auto names = namesOf(table);
        int filled = 0;
        for (int index = 0; index < static_cast<int>(names.size()); ++index) {
            if (names[index].empty()) {
                QCOMPARE(index, emptySlot);
            } else {
                ++filled;
            }
        }
        QCOMPARE(filled, named);
    }

    void yesCellCount_data()
    {
        QTest::addColumn<Relation>("relation");
        QTest::addColumn<int>("expected");

        QTest::newRow("260 cross-street cells") << Relation::CrossStreets << 260;
        QTest::newRow("35 area-stop cells") << Relation::AreaStops << 35;
    }
    void yesCellCount()
    {
        QFETCH(Relation, relation);
        QFETCH(int, expected);

        const Catalogue& catalogue = LoadCatalogue();
        QCOMPARE(relation == Relation::CrossStreets ? yesCells(catalogue.CrossStreets)
                                                    : yesCells(catalogue.AreaStops),
                 expected);
    }

    void namesAreUnique_data()
    {
        QTest::addColumn<Table>("table");

        QTest::newRow("no two streets share a name") << Table::Streets;
        QTest::newRow("no two areas share a name") << Table::Areas;
    }
    void namesAreUnique()
    {
        QFETCH(Table, table);

        const auto names = namesOf(table);
        for (std::size_t first = 0; first < names.size(); ++first) {
            for (std::size_t second = first + 1; second < names.size(); ++second) {
                QVERIFY2(names[first] != names[second],
                         qPrintable(toQString(names[first]) + " is stored twice"));
            }
        }
    }

    void crossStreetCell_data()
    {
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("expected");

        QTest::newRow("Forbes Ave offered for 11th Street") << "Forbes Ave"
                                                            << "11th Street" << true;
        QTest::newRow("11th Street not offered for Forbes Ave") << "11th Street"
                                                                << "Forbes Ave" << false;
        QTest::newRow("Murray Ave offered for Forbes Ave") << "Murray Ave"
                                                           << "Forbes Ave" << true;
        QTest::newRow("Atwood Street offered for itself") << "Atwood Street"
                                                          << "Atwood Street" << true;
        QTest::newRow("Craft Ave offered for itself") << "Craft Ave"
                                                      << "Craft Ave" << true;
        QTest::newRow("Forbes Ave not offered for itself") << "Forbes Ave"
                                                           << "Forbes Ave" << false;
    }
    void crossStreetCell()
    {
        QFETCH(QString, offered);
        QFETCH(QString, chosen);
        QFETCH(bool, expected);

        const auto x = lookUp(Table::Streets, offered);
        const auto s = lookUp(Table::Streets, chosen);
        QVERIFY(x && s);
        QCOMPARE(LoadCatalogue().CrossStreets[*x][*s], expected);
    }

    void pairsStoredBothWays()
    {
        const auto& cross = LoadCatalogue().CrossStreets;
        int pairs = 0;
        for (int x = 0; x < StreetCount; ++x) {
            for (int s = x + 1; s < StreetCount; ++s) {
                pairs += cross[x][s] && cross[s][x] ? 1 : 0;
            }
        }
        QCOMPARE(pairs, 21);
    }

    void streetsOfferedForThemselves()
    {
        const Catalogue& catalogue = LoadCatalogue();
        QStringList found;
        for (int street = 0; street < StreetCount; ++street) {
            if (catalogue.CrossStreets[street][street]) {
                found << toQString(catalogue.Streets[street]);
            }
        }
        QCOMPARE(found, QStringList({"Atwood Street", "Craft Ave"}));
    }

    void streetsWithoutCrossStreets()
    {
        QStringList found;
        for (int chosen = 0; chosen < StreetCount; ++chosen) {
            if (!hasCrossStreet(chosen)) {
                found << toQString(LoadCatalogue().Streets[chosen]);
            }
        }
        QCOMPARE(found, QStringList({"N Highland Ave", "Tito Way", "Whitfield St"}));
    }

    void streetWithoutCrossStreetsIsStillOffered_data()
    {
        QTest::addColumn<QString>("street");

        QTest::newRow("N Highland Ave") << "N Highland Ave";
        QTest::newRow("Tito Way") << "Tito Way";
        QTest::newRow("Whitfield St") << "Whitfield St";
    }
    void streetWithoutCrossStreetsIsStillOffered()
    {
        QFETCH(QString, street);

        const auto index = lookUp(Table::Streets, street);
        QVERIFY(index);
        QVERIFY(!hasCrossStreet(*index));
        QVERIFY(offeredForAnyOther(*index));
    }

    void stopAreas_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QStringList>("areas");

        QTest::newRow("Loews Home Cntr. in Homestead and Waterfront")
            << "Loews Home Cntr." << QStringList{"Homestead", "Waterfront"};
        QTest::newRow("Loews Theater in Homestead and Waterfront")
            << "Loews Theater" << QStringList{"Homestead", "Waterfront"};
        QTest::newRow("Giant Eagle in Homestead, Squirrel Hill and Waterfront")
            << "Giant Eagle" << QStringList{"Homestead", "Squirrel Hill", "Waterfront"};
        QTest::newRow("Children's Hospital in Oakland only")
            << "Children's Hospital" << QStringList{"Oakland"};
        QTest::newRow("Monroeville Mall in no area") << "Monroeville Mall" << QStringList{};
        QTest::newRow("Expo Mart in no area") << "Expo Mart" << QStringList{};
    }
    void stopAreas()
    {
        QFETCH(QString, stop);
        QFETCH(QStringList, areas);

        const auto index = stopIndex(stop);
        QVERIFY(index);
        const Catalogue& catalogue = LoadCatalogue();
        QStringList found;
        for (int area = 0; area < AreaCount; ++area) {
            if (catalogue.AreaStops[*index][area]) {
                found << toQString(catalogue.Areas[area]);
            }
        }
        QCOMPARE(found, areas);
    }

    void areasWithoutStops()
    {
        int empty = 0;
        for (int area = 0; area < AreaCount; ++area) {
            empty += hasStop(area) ? 0 : 1;
        }
        QCOMPARE(empty, 29);
    }

    void areaHasNoStop_data()
    {
        QTest::addColumn<QString>("area");

        QTest::newRow("Monroeville") << "Monroeville";
        QTest::newRow("unnamed last slot") << "";
    }
    void areaHasNoStop()
    {
        QFETCH(QString, area);

        const auto index = lookUp(Table::Areas, area);
        QVERIFY(index);
        QVERIFY(!hasStop(*index));
    }

    void lookup_data()
    {
        QTest::addColumn<Table>("table");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected"); // -1: no index

        QTest::newRow("street: exact name") << Table::Streets << "Forbes Ave" << 20;
        QTest::newRow("street: other case misses") << Table::Streets << "forbes ave" << -1;
        QTest::newRow("street: trailing blank misses") << Table::Streets << "Forbes Ave " << -1;
        QTest::newRow("street: Elmore Square") << Table::Streets << "Elmore Square" << 17;
        QTest::newRow("street: empty name misses") << Table::Streets << "" << -1;
        QTest::newRow("street: apostrophe") << Table::Streets << "O'Hara Street" << 46;
        QTest::newRow("street: area name misses") << Table::Streets << "Oakland" << -1;
        QTest::newRow("area: Elmore Square") << Table::Areas << "Elmore Square" << 10;
        QTest::newRow("area: empty name is the unnamed slot") << Table::Areas << "" << 44;
        QTest::newRow("area: trailing dot kept") << Table::Areas << "WM Penn Hts." << 43;
        QTest::newRow("area: Regant Sq.") << Table::Areas << "Regant Sq." << 30;
        QTest::newRow("area: missing trailing dot misses") << Table::Areas << "Regant Sq" << -1;
        QTest::newRow("area: street name misses") << Table::Areas << "Forbes Ave" << -1;
    }
    void lookup()
    {
        QFETCH(Table, table);
        QFETCH(QString, name);
        QFETCH(int, expected);

        const auto index = lookUp(table, name);
        QCOMPARE(index.has_value(), expected >= 0);
        if (index) {
            QCOMPARE(*index, expected);
        }
    }

    void everyNameFindsItsOwnIndex_data()
    {
        QTest::addColumn<Table>("table");

        QTest::newRow("streets") << Table::Streets;
        QTest::newRow("areas, unnamed slot included") << Table::Areas;
    }
    void everyNameFindsItsOwnIndex()
    {
        QFETCH(Table, table);

        const auto names = namesOf(table);
        for (int index = 0; index < static_cast<int>(names.size()); ++index) {
            const QString name = toQString(names[index]);
            const auto found = lookUp(table, name);
            QVERIFY2(found, qPrintable("no index for \"" + name + "\""));
            QCOMPARE(*found, index);
        }
    }

    void punctuatedName_data()
    {
        QTest::addColumn<Table>("table");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");

        QTest::newRow("street 19 keeps its dot") << Table::Streets << 19 << "Fifth Ave.";
        QTest::newRow("street 58 keeps its dot") << Table::Streets << 58 << "Washington Ave.";
        QTest::newRow("street 52 inner dot") << Table::Streets << 52 << "St. Clair St";
        QTest::newRow("area 14 keeps its dot") << Table::Areas << 14 << "Highland Pk.";
        QTest::newRow("stop 7 plain apostrophe") << Table::Stops << 7 << "Children's Hospital";
        QTest::newRow("stop 6 inner dot") << Table::Stops << 6 << "Pitt. Union Station";
    }
    void punctuatedName()
    {
        QFETCH(Table, table);
        QFETCH(int, index);
        QFETCH(QString, name);

        QCOMPARE(toQString(namesOf(table)[index]), name);
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
