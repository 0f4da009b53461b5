// The kiosk's steps, the values of Mode, and the moves that are rules rather than a fixed
// target: Back, and the choice of a candidate in one of the four searches. Plain C++.
#pragma once

#include <cstdint>
#include <optional>

namespace stopwise {

enum class Step : std::uint8_t {
    Welcome,
    MainMenu,
    NextArrivals,
    SearchType,
    Street,           // choose a street
    CrossStreet,      // choose a cross street of the chosen street
    Area,             // choose an area or township
    Stop,             // choose a stop in the chosen area
    StreetDirections, // to the corner of the street and cross street
    StopDirections,   // to the stop in the area
};

// The four steps that search the catalogue, each with a keypad and a list of candidates.
enum class Search : std::uint8_t { Street, CrossStreet, Area, Stop };

constexpr std::optional<Search> searchOf(Step step)
{
    switch (step) {
    case Step::Street: return Search::Street;
    case Step::CrossStreet: return Search::CrossStreet;
    case Step::Area: return Search::Area;
    case Step::Stop: return Search::Stop;
    case Step::Welcome:
    case Step::MainMenu:
    case Step::NextArrivals:
    case Step::SearchType:
    case Step::StreetDirections:
    case Step::StopDirections: return std::nullopt;
    }
    return std::nullopt;
}

// The two steps that show directions, to a corner or to a stop.
constexpr bool isDirections(Step step)
{
    switch (step) {
    case Step::StreetDirections:
    case Step::StopDirections: return true;
    case Step::Welcome:
    case Step::MainMenu:
    case Step::NextArrivals:
    case Step::SearchType:
    case Step::Street:
    case Step::CrossStreet:
    case Step::Area:
    case Step::Stop: return false;
    }
    return false;
}

// Back from the second step of a search returns to its first; from the first, to the main
// menu. Only the search steps carry a Back button; the other rows follow the same rule of
// odd steps going one down and even ones to the main menu.
constexpr Step stepAfterBack(Step step)
{
    switch (step) {
    case Step::CrossStreet: return Step::Street;
    case Step::Stop: return Step::Area;
    case Step::MainMenu: return Step::Welcome;
    case Step::SearchType: return Step::NextArrivals;
    case Step::StopDirections: return Step::StreetDirections;
    case Step::Welcome:
    case Step::NextArrivals:
    case Step::Street:
    case Step::Area:
    case Step::StreetDirections: return Step::MainMenu;
    }
    return Step::MainMenu;
}

// Choosing a candidate: street to cross street to directions, area to stop to directions.
constexpr Step stepAfterChoice(Search search)
{
    switch (search) {
    case Search::Street: return Step::CrossStreet;
    case Search::CrossStreet: return Step::StreetDirections;
    case Search::Area: return Step::Stop;
    case Search::Stop: return Step::StopDirections;
    }
    return Step::MainMenu;
}

} // namespace stopwise
