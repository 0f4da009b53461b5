// The place data itself. Names are kept exactly as they are shown and matched on screen,
// trailing dots and apostrophes included. The two yes/no tables are written as lists of
// names, one line per chosen street or per area, and turned into the bool matrices at
// compile time, so the whole catalogue is a single constant and nothing is filled at run
// time. A place added in alphabetical order needs no renumbering, and a misspelt or
// renamed name in the relation lists stops the build.
#include "catalogue/DefineData.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>

namespace stopwise {
namespace {

constexpr std::array<std::string_view, StreetCount> StreetNames{
    "11th Street",        // 0
    "2nd Street",         // 1
    "62nd Street",        // 2
    "8th Ave",            // 3
    "8th Ave East",       // 4
    "Adelaide Street",    // 5
    "Amity Street",       // 6
    "Ann Street",         // 7
    "Atwood Street",      // 8
    "Blvd of the Allies", // 9
    "Bowden Street",      // 10
    "Brilliant Ave",      // 11
    "Butler Rd",          // 12
    "Center Ave",         // 13
    "Craft Ave",          // 14
    "Craig Street",       // 15
    "DeSoto Street",      // 16
    "Elmore Square",      // 17
    "Ewing Street",       // 18
    "Fifth Ave.",         // 19
    "Forbes Ave",         // 20
    "Frankstown Rd",      // 21
    "Freeport Rd",        // 22
    "Georgetown Pl.",     // 23
    "Grafton St",         // 24
    "Graham Blvd",        // 25
    "Grant Ave",          // 26
    "Hazelwood Ave",      // 27
    "Highland Ave",       // 28
    "Hollywood Dr",       // 29
    "Hutchinson Ave",     // 30
    "Jane Street Loop",   // 31
    "Kirkpatrick St",     // 32
    "Laketon Road",       // 33
    "Lewis Ave",          // 34
    "Liberty Ave",        // 35
    "Lincoln Ave",        // 36
    "Marion Street",      // 37
    "Meyran Ave",         // 38
    "Milwaukee St",       // 39
    "Monongahela Ave",    // 40
    "Montier Street",     // 41
    "Murray Ave",         // 42
    "N Highland Ave",     // 43
    "Negley Ave",         // 44
    "Oak Hill Drv",       // 45
    "O'Hara Street",      // 46
    "Penn Ave",           // 47
    "Pittsburgh St",      // 48
    "Robinson St",        // 49
    "Sheridan Ave",       // 50
    "Sixth Ave",          // 51
    "St. Clair St",       // 52
    "Stanwix Street",     // 53
    "Terrace Street",     // 54
    "Thomas Blvd",        // 55
    "Tioga St",           // 56
    "Tito Way",           // 57
    "Washington Ave.",    // 58
    "West Carson St",     // 59
    "Whitfield St",       // 60
};

constexpr std::array<std::string_view, AreaCount> AreaNames{
    "Aspenwall",        // 0
    "Blackridge",       // 1
    "Blawnox",          // 2
    "Braddock",         // 3
    "Cheswick",         // 4
    "Downtown Pbg",     // 5
    "Duquesne",         // 6
    "East Liberty",     // 7
    "Eastmont",         // 8
    "Edgewood",         // 9
    "Elmore Square",    // 10 (also a street)
    "Greenfield",       // 11
    "Harmarville",      // 12
    "Herron Hill",      // 13
    "Highland Pk.",     // 14
    "Hill District",    // 15
    "Homestead",        // 16
    "Homewood",         // 17
    "Ingram",           // 18
    "Kennywood Pk",     // 19
    "Lawrenceville",    // 20
    "Maplewood",        // 21
    "McKeesport",       // 22
    "Monroeville",      // 23
    "NorthSide",        // 24
    "Oak Hill",         // 25
    "Oakland",          // 26
    "Penn Hills",       // 27
    "Pittsburgh Zoo",   // 28
    "Point Breeze",     // 29
    "Regant Sq.",       // 30
    "RIDC Park",        // 31
    "Ritzland Plaza",   // 32
    "Riverview Ctr.",   // 33
    "Shadyside",        // 34
    "Springdale",       // 35
    "Squirrel Hill",    // 36
    "Swissvale",        // 37
    "Waterfront",       // 38
    "Waterworks Mall",  // 39
    "Wharton Sq.",      // 40
    "Wilkinsburg",      // 41
    "Wilmerding",       // 42
    "WM Penn Hts.",     // 43
    std::string_view{}, // 44: never named; equals the empty name
};

constexpr std::array<std::string_view, StopCount> StopNames{
    "Loews Home Cntr.",      // 0
    "Loews Theater",         // 1
    "Giant Eagle",           // 2
    "Veterans Hospital",     // 3
    "UPMC St. Margaret",     // 4
    "Cathedral of Learning", // 5
    "Pitt. Union Station",   // 6
    "Children's Hospital",   // 7
    "Carlow College",        // 8
    "CMU",                   // 9
    "Hillman Library",       // 10
    "Frick Park",            // 11
    "Mercy Hospital",        // 12
    "Duquesne University",   // 13
    "Steelers Stadium",      // 14
    "PNC Park",              // 15
    "Carnegie Science Cntr", // 16
    "Allegheny Center",      // 17
    "Hilton Hotel",          // 18
    "Ingram Station",        // 19
    "Shopping District",     // 20
    "Penn Mall Station",     // 21
    "Edgewood Town Center",  // 22
    "Edgar Thompson Works",  // 23
    "Wilkinsburg Station",   // 24
    "Penn Hills Center",     // 25
    "Monroeville Mall",      // 26
    "Expo Mart",             // 27
    "Homewood Station",      // 28
    "Negley Station",        // 29
    "Manor Theater",         // 30
    "Jewish Community Cntr", // 31
    "Squirrel Hill Theater", // 32
};

// Every slot holds a name but the last area's, which stays empty: the counts in the header
// and the lists above agree.
constexpr auto Unnamed = [](std::string_view name) { return name.empty(); };
static_assert(std::ranges::none_of(StreetNames, Unnamed) &&
              std::ranges::none_of(StopNames, Unnamed));
static_assert(std::ranges::count_if(AreaNames, Unnamed) == 1 && AreaNames.back().empty());

// A short, fixed-capacity list of names that can be written as a braced list in a
// constant. Sixteen is what the longest list below (the cross streets of Murray Ave) needs;
// a longer list stops the build, since writing past the end is not a constant expression.
class NameList {
public:
    constexpr NameList() = default;
    constexpr NameList(std::initializer_list<std::string_view> names)
    {
        for (std::string_view name : names) {
            Items[Size++] = name;
        }
    }
    constexpr const std::string_view* begin() const { return Items.data(); }
    constexpr const std::string_view* end() const { return Items.data() + Size; }

private:
    std::array<std::string_view, 16> Items{};
    std::size_t Size = 0;
};

// One line of a yes/no table: the key (a chosen street, or an area) and the names that are
// marked yes for it (offered streets, or stops), each by its name as listed above.
struct Relation {
    std::string_view Key;
    NameList Members;
};

// Per chosen street, the streets offered as its cross streets. The relation is one-way:
// Forbes Ave is offered for 11th Street but not the reverse. Atwood Street and Craft Ave
// are offered for themselves; N Highland Ave, Tito Way and Whitfield St are offered nothing.
constexpr Relation CrossStreetRows[] = {
    {"11th Street",
     {"62nd Street", "Butler Rd", "Forbes Ave", "Highland Ave", "Murray Ave", "Pittsburgh St",
      "Tioga St"}},
    {"2nd Street",
     {"Atwood Street", "Elmore Square", "Frankstown Rd", "Kirkpatrick St", "Meyran Ave",
      "Thomas Blvd"}},
    {"62nd Street", {"Butler Rd", "Grant Ave", "Tito Way", "Washington Ave."}},
    {"8th Ave",
     {"Forbes Ave", "Freeport Rd", "Jane Street Loop", "Marion Street", "Murray Ave", "Sixth Ave"}},
    {"8th Ave East",
     {"8th Ave", "Craft Ave", "Craig Street", "Graham Blvd", "Highland Ave", "Murray Ave"}},
    {"Adelaide Street", {"Blvd of the Allies", "Brilliant Ave", "Forbes Ave", "Stanwix Street"}},
    {"Amity Street", {"Adelaide Street", "Forbes Ave", "Grafton St", "Montier Street"}},
    {"Ann Street", {"11th Street", "Freeport Rd", "Highland Ave", "Stanwix Street"}},
    {"Atwood Street",
     {"Atwood Street", "Brilliant Ave", "Craft Ave", "Elmore Square", "Fifth Ave.", "Laketon Road",
      "Pittsburgh St"}},
    {"Blvd of the Allies", {"Amity Street", "Forbes Ave", "Grafton St", "Liberty Ave"}},
    {"Bowden Street", {"Meyran Ave", "Murray Ave", "St. Clair St"}},
    {"Brilliant Ave", {"Lincoln Ave", "N Highland Ave"}},
    {"Butler Rd",
     {"11th Street", "62nd Street", "Atwood Street", "Blvd of the Allies", "Freeport Rd",
      "Hutchinson Ave", "Lewis Ave"}},
    {"Center Ave", {"Ewing Street", "Highland Ave", "Robinson St"}},
    {"Craft Ave", {"Craft Ave", "Hollywood Dr", "N Highland Ave"}},
    {"Craig Street", {"8th Ave East", "Fifth Ave.", "Forbes Ave", "Whitfield St"}},
    {"DeSoto Street", {"Murray Ave"}},
    {"Elmore Square", {"Robinson St", "Stanwix Street", "Thomas Blvd"}},
    {"Ewing Street", {"Atwood Street", "Center Ave", "Lewis Ave", "Tito Way"}},
    {"Fifth Ave.",
     {"Craig Street", "Forbes Ave", "Grant Ave", "Highland Ave", "Jane Street Loop",
      "Monongahela Ave", "Montier Street", "Pittsburgh St"}},
    {"Forbes Ave",
     {"Blvd of the Allies", "Craig Street", "Frankstown Rd", "Grant Ave", "Hutchinson Ave",
      "Lewis Ave", "Lincoln Ave", "Murray Ave", "Negley Ave", "Pittsburgh St", "Robinson St",
      "St. Clair St", "Stanwix Street", "West Carson St"}},
    {"Frankstown Rd",
     {"Adelaide Street", "Forbes Ave", "Grafton St", "Grant Ave", "West Carson St"}},
    {"Freeport Rd", {"11th Street", "Jane Street Loop"}},
    {"Georgetown Pl.",
     {"Butler Rd", "Hutchinson Ave", "Lincoln Ave", "Murray Ave", "O'Hara Street"}},
    {"Grafton St", {"2nd Street"}},
    {"Graham Blvd", {"Elmore Square", "Forbes Ave", "Hazelwood Ave", "Penn Ave"}},
    {"Grant Ave", {"Meyran Ave"}},
    {"Hazelwood Ave",
     {"8th Ave East", "Atwood Street", "Butler Rd", "Lincoln Ave", "Murray Ave", "Stanwix Street"}},
    {"Highland Ave", {"Frankstown Rd", "Grant Ave", "Stanwix Street"}},
    {"Hollywood Dr",
     {"11th Street", "8th Ave East", "Adelaide Street", "Ann Street", "Lewis Ave", "Liberty Ave",
      "Montier Street", "Penn Ave"}},
    {"Hutchinson Ave", {"Elmore Square", "Forbes Ave", "Oak Hill Drv", "Tioga St"}},
    {"Jane Street Loop", {"Craft Ave", "Fifth Ave.", "Lewis Ave", "Terrace Street"}},
    {"Kirkpatrick St", {"8th Ave East", "Marion Street", "Monongahela Ave", "Robinson St"}},
    {"Laketon Road", {"Bowden Street", "Hutchinson Ave", "Montier Street"}},
    {"Lewis Ave", {"DeSoto Street", "Milwaukee St", "Murray Ave"}},
    {"Liberty Ave", {"Forbes Ave", "Grant Ave", "Oak Hill Drv"}},
    {"Lincoln Ave", {"Hazelwood Ave", "Robinson St"}},
    {"Marion Street",
     {"2nd Street", "Jane Street Loop", "Robinson St", "Terrace Street", "Whitfield St"}},
    {"Meyran Ave", {"Brilliant Ave", "Highland Ave"}},
    {"Milwaukee St",
     {"11th Street", "Bowden Street", "Fifth Ave.", "Forbes Ave", "Highland Ave", "Lincoln Ave",
      "Montier Street", "Stanwix Street"}},
    {"Monongahela Ave", {"8th Ave East", "Amity Street", "Georgetown Pl.", "Washington Ave."}},
    {"Montier Street", {"Craft Ave", "Laketon Road", "Tito Way"}},
    {"Murray Ave",
     {"11th Street", "62nd Street", "Adelaide Street", "Bowden Street", "Center Ave",
      "Elmore Square", "Forbes Ave", "Freeport Rd", "Hollywood Dr", "Laketon Road",
      "Montier Street", "N Highland Ave", "Penn Ave", "Sixth Ave", "Thomas Blvd",
      "Washington Ave."}},
    {"N Highland Ave", {}},
    {"Negley Ave", {"Murray Ave", "Sheridan Ave", "St. Clair St"}},
    {"Oak Hill Drv", {"Adelaide Street", "Center Ave", "Laketon Road", "Monongahela Ave"}},
    {"O'Hara Street", {"Hazelwood Ave", "Marion Street", "Penn Ave", "Whitfield St"}},
    {"Penn Ave",
     {"DeSoto Street", "Forbes Ave", "Georgetown Pl.", "O'Hara Street", "Terrace Street"}},
    {"Pittsburgh St", {"Hutchinson Ave", "Murray Ave", "Tito Way"}},
    {"Robinson St", {"N Highland Ave"}},
    {"Sheridan Ave", {"Forbes Ave", "Sixth Ave"}},
    {"Sixth Ave", {"Craft Ave", "Tito Way"}},
    {"St. Clair St",
     {"Ann Street", "Bowden Street", "Lewis Ave", "Monongahela Ave", "Murray Ave", "Robinson St",
      "Whitfield St"}},
    {"Stanwix Street", {"Forbes Ave", "Highland Ave", "O'Hara Street"}},
    {"Terrace Street", {"Center Ave", "Freeport Rd", "Jane Street Loop"}},
    {"Thomas Blvd",
     {"62nd Street", "Craft Ave", "Lincoln Ave", "N Highland Ave", "Stanwix Street",
      "Terrace Street", "Washington Ave."}},
    {"Tioga St", {"Brilliant Ave", "Center Ave", "Forbes Ave", "Graham Blvd", "N Highland Ave"}},
    {"Tito Way", {}},
    {"Washington Ave.",
     {"2nd Street", "8th Ave East", "Forbes Ave", "Frankstown Rd", "Liberty Ave", "Monongahela Ave",
      "West Carson St"}},
    {"West Carson St", {"Hazelwood Ave", "Murray Ave", "N Highland Ave", "Stanwix Street"}},
    {"Whitfield St", {}},
};

// Per area, the stops that lie in it; areas left out have no stop. A stop may be in several
// areas (Giant Eagle is in Homestead, Squirrel Hill and Waterfront) or in none (Monroeville
// Mall, Expo Mart).
constexpr Relation AreaStopRows[] = {
    {"Aspenwall", {"Veterans Hospital", "UPMC St. Margaret"}},
    {"Braddock", {"Edgar Thompson Works"}},
    {"Downtown Pbg", {"Hilton Hotel"}},
    {"East Liberty", {"Shopping District", "Penn Mall Station"}},
    {"Edgewood", {"Edgewood Town Center"}},
    {"Hill District", {"Mercy Hospital", "Duquesne University"}},
    {"Homestead", {"Loews Home Cntr.", "Loews Theater", "Giant Eagle"}},
    {"Homewood", {"Homewood Station"}},
    {"Ingram", {"Ingram Station"}},
    {"NorthSide", {"Steelers Stadium", "PNC Park", "Carnegie Science Cntr", "Allegheny Center"}},
    {"Oakland",
     {"Cathedral of Learning", "Pitt. Union Station", "Children's Hospital", "Carlow College",
      "CMU", "Hillman Library"}},
    {"Penn Hills", {"Penn Hills Center"}},
    {"Shadyside", {"Negley Station"}},
    {"Squirrel Hill",
     {"Giant Eagle", "Frick Park", "Manor Theater", "Jewish Community Cntr",
      "Squirrel Hill Theater"}},
    {"Waterfront", {"Loews Home Cntr.", "Loews Theater", "Giant Eagle"}},
    {"Wilkinsburg", {"Wilkinsburg Station"}},
};

// The slot of a name in its table. A name the table does not hold is not a constant
// expression, so a misspelt place in the lists above stops the build here.
template <std::size_t N>
constexpr int SlotOf(const std::array<std::string_view, N>& names, std::string_view name)
{
    for (std::size_t slot = 0; slot < N; ++slot) {
        if (names[slot] == name) {
            return static_cast<int>(slot);
        }
    }
    throw "a name that is not in the catalogue";
}

// Keys in catalogue order and each line's members in catalogue order, without repeats: the
// lists read like the tables they fill, and a slip of the pen stops the build.
template <std::size_t Rows, std::size_t Keys, std::size_t Members>
constexpr bool InCatalogueOrder(const Relation (&rows)[Rows],
                                const std::array<std::string_view, Keys>& keys,
                                const std::array<std::string_view, Members>& members)
{
    int lastKey = -1;
    for (const Relation& row : rows) {
        const int key = SlotOf(keys, row.Key);
        if (key <= lastKey) {
            return false;
        }
        lastKey = key;
        int lastMember = -1;
        for (std::string_view name : row.Members) {
            const int member = SlotOf(members, name);
            if (member <= lastMember) {
                return false;
            }
            lastMember = member;
        }
    }
    return true;
}

static_assert(std::size(CrossStreetRows) == StreetCount, "one line for every chosen street");
static_assert(InCatalogueOrder(CrossStreetRows, StreetNames, StreetNames));
static_assert(InCatalogueOrder(AreaStopRows, AreaNames, StopNames));

constexpr Catalogue BuildCatalogue()
{
    Catalogue catalogue{StreetNames, AreaNames, StopNames, {}, {}};
    for (const Relation& row : CrossStreetRows) {
        const int chosen = SlotOf(StreetNames, row.Key);
        for (std::string_view offered : row.Members) {
            catalogue.CrossStreets[SlotOf(StreetNames, offered)][chosen] = true;
        }
    }
    for (const Relation& row : AreaStopRows) {
        const int area = SlotOf(AreaNames, row.Key);
        for (std::string_view stop : row.Members) {
            catalogue.AreaStops[SlotOf(StopNames, stop)][area] = true;
        }
    }
    return catalogue;
}

constexpr Catalogue TheCatalogue = BuildCatalogue();

template <std::size_t N>
std::optional<int> LastEqual(const std::array<std::string_view, N>& names, std::string_view name)
{
    // Every slot is visited; a later equal name replaces an earlier one.
    std::optional<int> found;
    for (std::size_t index = 0; index < N; ++index) {
        if (names[index] == name) {
            found = static_cast<int>(index);
        }
    }
    return found;
}

} // namespace

const Catalogue& LoadCatalogue()
{
    return TheCatalogue;
}

std::optional<int> StreetIndex(std::string_view name)
{
    return LastEqual(TheCatalogue.Streets, name);
}

std::optional<int> AreaIndex(std::string_view name)
{
    return LastEqual(TheCatalogue.Areas, name);
}

} // namespace stopwise
