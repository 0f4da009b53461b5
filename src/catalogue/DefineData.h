// The place catalogue: every street, area and stop the kiosk knows, which streets are
// offered as cross streets of which, and which stops lie in which area. All of it is
// compiled in; LoadCatalogue hands out the read-only tables, and StreetIndex/AreaIndex
// find a chosen name again by exact, case-sensitive comparison. Plain C++, no Qt.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace stopwise {

inline constexpr int StreetCount = 61;
inline constexpr int AreaCount = 45; // the last slot holds no name
inline constexpr int StopCount = 33;

struct Catalogue {
    std::array<std::string_view, StreetCount> Streets;
    std::array<std::string_view, AreaCount> Areas;
    std::array<std::string_view, StopCount> Stops;
    // CrossStreets[offered][chosen]: street `offered` is offered as a cross street of `chosen`.
    std::array<std::array<bool, StreetCount>, StreetCount> CrossStreets;
    // AreaStops[stop][area]: the stop lies in the area.
    std::array<std::array<bool, AreaCount>, StopCount> AreaStops;
};

// The tables, complete and read-only; the kiosk calls it once at start.
const Catalogue& LoadCatalogue();

// The last street (area) whose name equals `name` exactly, or no index.
// The unnamed last area slot equals the empty name.
std::optional<int> StreetIndex(std::string_view name);
std::optional<int> AreaIndex(std::string_view name);

} // namespace stopwise
