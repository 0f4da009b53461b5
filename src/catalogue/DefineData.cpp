// The place data itself. Names are kept exactly as they are shown and matched on screen,
// trailing dots and apostrophes included. The two yes/no tables are written as lists, one
// line per chosen street or per area, and turned into the bool matrices at compile time, so
// the whole catalogue is a single constant and nothing is filled at run time.
#include "catalogue/DefineData.h"

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

// A short, fixed-capacity list of indices that can be written as a braced list in a
// constant. Sixteen is what the longest list below (the cross streets of Murray Ave) needs;
// a longer list stops the build, since writing past the end is not a constant expression.
class IndexList {
public:
    constexpr IndexList() = default;
    constexpr IndexList(std::initializer_list<int> indices)
    {
        for (int index : indices) {
            Items[Size++] = index;
        }
    }
    constexpr const int* begin() const { return Items.data(); }
    constexpr const int* end() const { return Items.data() + Size; }

private:
    std::array<int, 16> Items{};
    std::size_t Size = 0;
};

// One line of a yes/no table: the key (a chosen street, or an area) and the indices that
// are marked yes for it (offered streets, or stops).
struct Relation {
    int Key;
    IndexList Members;
};

// Per chosen street, the streets offered as its cross streets. The relation is one-way:
// Forbes Ave is offered for 11th Street but not the reverse. Atwood Street and Craft Ave
// are offered for themselves; N Highland Ave, Tito Way and Whitfield St are offered nothing.
constexpr Relation CrossStreetRows[] = {
    {0 /* 11th Street */, {2, 12, 20, 28, 42, 48, 56}},
    {1 /* 2nd Street */, {8, 17, 21, 32, 38, 55}},
    {2 /* 62nd Street */, {12, 26, 57, 58}},
    {3 /* 8th Ave */, {20, 22, 31, 37, 42, 51}},
    {4 /* 8th Ave East */, {3, 14, 15, 25, 28, 42}},
    {5 /* Adelaide Street */, {9, 11, 20, 53}},
    {6 /* Amity Street */, {5, 20, 24, 41}},
    {7 /* Ann Street */, {0, 22, 28, 53}},
    {8 /* Atwood Street */, {8, 11, 14, 17, 19, 33, 48}},
    {9 /* Blvd of the Allies */, {6, 20, 24, 35}},
    {10 /* Bowden Street */, {38, 42, 52}},
    {11 /* Brilliant Ave */, {36, 43}},
    {12 /* Butler Rd */, {0, 2, 8, 9, 22, 30, 34}},
    {13 /* Center Ave */, {18, 28, 49}},
    {14 /* Craft Ave */, {14, 29, 43}},
    {15 /* Craig Street */, {4, 19, 20, 60}},
    {16 /* DeSoto Street */, {42}},
    {17 /* Elmore Square */, {49, 53, 55}},
    {18 /* Ewing Street */, {8, 13, 34, 57}},
    {19 /* Fifth Ave. */, {15, 20, 26, 28, 31, 40, 41, 48}},
    {20 /* Forbes Ave */, {9, 15, 21, 26, 30, 34, 36, 42, 44, 48, 49, 52, 53, 59}},
    {21 /* Frankstown Rd */, {5, 20, 24, 26, 59}},
    {22 /* Freeport Rd */, {0, 31}},
    {23 /* Georgetown Pl. */, {12, 30, 36, 42, 46}},
    {24 /* Grafton St */, {1}},
    {25 /* Graham Blvd */, {17, 20, 27, 47}},
    {26 /* Grant Ave */, {38}},
    {27 /* Hazelwood Ave */, {4, 8, 12, 36, 42, 53}},
    {28 /* Highland Ave */, {21, 26, 53}},
    {29 /* Hollywood Dr */, {0, 4, 5, 7, 34, 35, 41, 47}},
    {30 /* Hutchinson Ave */, {17, 20, 45, 56}},
    {31 /* Jane Street Loop */, {14, 19, 34, 54}},
    {32 /* Kirkpatrick St */, {4, 37, 40, 49}},
    {33 /* Laketon Road */, {10, 30, 41}},
    {34 /* Lewis Ave */, {16, 39, 42}},
    {35 /* Liberty Ave */, {20, 26, 45}},
    {36 /* Lincoln Ave */, {27, 49}},
    {37 /* Marion Street */, {1, 31, 49, 54, 60}},
    {38 /* Meyran Ave */, {11, 28}},
    {39 /* Milwaukee St */, {0, 10, 19, 20, 28, 36, 41, 53}},
    {40 /* Monongahela Ave */, {4, 6, 23, 58}},
    {41 /* Montier Street */, {14, 33, 57}},
    {42 /* Murray Ave */, {0, 2, 5, 10, 13, 17, 20, 22, 29, 33, 41, 43, 47, 51, 55, 58}},
    {43 /* N Highland Ave */, {}},
    {44 /* Negley Ave */, {42, 50, 52}},
    {45 /* Oak Hill Drv */, {5, 13, 33, 40}},
    {46 /* O'Hara Street */, {27, 37, 47, 60}},
    {47 /* Penn Ave */, {16, 20, 23, 46, 54}},
    {48 /* Pittsburgh St */, {30, 42, 57}},
    {49 /* Robinson St */, {43}},
    {50 /* Sheridan Ave */, {20, 51}},
    {51 /* Sixth Ave */, {14, 57}},
    {52 /* St. Clair St */, {7, 10, 34, 40, 42, 49, 60}},
    {53 /* Stanwix Street */, {20, 28, 46}},
    {54 /* Terrace Street */, {13, 22, 31}},
    {55 /* Thomas Blvd */, {2, 14, 36, 43, 53, 54, 58}},
    {56 /* Tioga St */, {11, 13, 20, 25, 43}},
    {57 /* Tito Way */, {}},
    {58 /* Washington Ave. */, {1, 4, 20, 21, 35, 40, 59}},
    {59 /* West Carson St */, {27, 42, 43, 53}},
    {60 /* Whitfield St */, {}},
};

// Per area, the stops that lie in it; areas left out have no stop. A stop may be in several
// areas (Giant Eagle is in Homestead, Squirrel Hill and Waterfront) or in none (Monroeville
// Mall, Expo Mart).
constexpr Relation AreaStopRows[] = {
    {0 /* Aspenwall */, {3, 4}},
    {3 /* Braddock */, {23}},
    {5 /* Downtown Pbg */, {18}},
    {7 /* East Liberty */, {20, 21}},
    {9 /* Edgewood */, {22}},
    {15 /* Hill District */, {12, 13}},
    {16 /* Homestead */, {0, 1, 2}},
    {17 /* Homewood */, {28}},
    {18 /* Ingram */, {19}},
    {24 /* NorthSide */, {14, 15, 16, 17}},
    {26 /* Oakland */, {5, 6, 7, 8, 9, 10}},
    {27 /* Penn Hills */, {25}},
    {34 /* Shadyside */, {29}},
    {36 /* Squirrel Hill */, {2, 11, 30, 31, 32}},
    {38 /* Waterfront */, {0, 1, 2}},
    {41 /* Wilkinsburg */, {24}},
};

// Keys strictly ascending and inside [0, keyCount), each line's members strictly ascending
// and inside [0, memberCount): a slip of the pen in the lists above stops the build.
template <std::size_t Rows>
constexpr bool WellFormed(const Relation (&rows)[Rows], int keyCount, int memberCount)
{
    int lastKey = -1;
    for (const Relation& row : rows) {
        if (row.Key <= lastKey || row.Key >= keyCount) {
            return false;
        }
        lastKey = row.Key;
        int lastMember = -1;
        for (int member : row.Members) {
            if (member <= lastMember || member >= memberCount) {
                return false;
            }
            lastMember = member;
        }
    }
    return true;
}

static_assert(std::size(CrossStreetRows) == StreetCount, "one line for every chosen street");
static_assert(WellFormed(CrossStreetRows, StreetCount, StreetCount));
static_assert(WellFormed(AreaStopRows, AreaCount, StopCount));

constexpr Catalogue BuildCatalogue()
{
    Catalogue catalogue{StreetNames, AreaNames, StopNames, {}, {}};
    for (const Relation& row : CrossStreetRows) {
        for (int offered : row.Members) {
            catalogue.CrossStreets[offered][row.Key] = true;
        }
    }
    for (const Relation& row : AreaStopRows) {
        for (int stop : row.Members) {
            catalogue.AreaStops[stop][row.Key] = true;
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
