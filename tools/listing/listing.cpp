// stopwise-listing
// Writes everything the catalogue offers as a visitor meets it through the searches: the
// cross streets each street offers, the stops of each area, and the streets and areas each
// first letter or digit brings up, every list in the order the kiosk shows it; then the
// answers' texts exactly as the labels hold them. The text is kept as docs/catalogue.txt,
// reviewed like the screen images and compared by a test; scripts/screens --update rewrites
// it after a deliberate change to the places or the answers.
#include "answers/AnswerTexts.h"
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

// The text with its line breaks shown as "\r\n", on one line.
std::string shown(std::string_view text)
{
    std::string line;
    for (const char c : text)
        line += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
    return line;
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

    // The directions read the same for every choice but its names, here in capitals.
    const Directions corner = DirectionsToCorner("STREET", "CROSS STREET");
    const Directions stop = DirectionsToStop("STOP", "AREA");
    std::cout << "\nThe answers, as the labels hold them (\"&&\" shows as one \"&\"):\n"
              << "arrivals, routes: " << shown(ArrivalRoutes()) << '\n'
              << "arrivals, times: " << shown(ArrivalTimes()) << '\n'
              << "to a corner, title: " << corner.title << '\n'
              << "to a corner: " << shown(corner.text) << '\n'
              << "to a stop, title: " << stop.title << '\n'
              << "to a stop: " << shown(stop.text) << '\n';
}
