// stopwise-listing
// Writes everything the catalogue offers as a visitor meets it through the searches: the
// cross streets each street offers, the stops of each area, and the streets and areas each
// first letter or digit brings up, every list in the order the kiosk shows it. The text is
// kept as docs/catalogue.txt, reviewed like the screen images and compared by a test;
// scripts/screens --update rewrites it after a deliberate change to the places.
#include "catalogue/DefineData.h"
#include "search/CandidateSearch.h"

#include <iostream>

using namespace stopwise;

namespace {

// "key: first, second, ..." or "key: none".
void list(std::string_view key, const SearchInput& input)
{
    const auto names = Candidates(LoadCatalogue(), input);
    std::cout << key << ':' << (names.empty() ? " none" : "");
    for (std::size_t i = 0; i < names.size(); ++i)
        std::cout << (i == 0 ? " " : ", ") << names[i];
    std::cout << '\n';
}

} // namespace

int main()
{
    const Catalogue& catalogue = LoadCatalogue();
    std::cout << "The cross streets each street offers:\n";
    for (std::string_view street : catalogue.Streets)
        list(street, {.search = Search::CrossStreet, .selectedStreet = street});

    std::cout << "\nThe stops of each area:\n";
    for (std::string_view area : catalogue.Areas)
        if (!area.empty()) // the last slot holds no name and cannot be chosen
            list(area, {.search = Search::Stop, .selectedArea = area});

    constexpr std::string_view Keys = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (const auto& [names, search] :
         {std::pair{"streets", Search::Street}, {"areas", Search::Area}}) {
        std::cout << "\nThe " << names << " each first letter or digit brings up:\n";
        for (std::size_t key = 0; key < Keys.size(); ++key)
            list(Keys.substr(key, 1), {.search = search, .typed = Keys.substr(key, 1)});
    }
}
