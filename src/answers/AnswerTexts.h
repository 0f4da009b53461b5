// The kiosk's two answers as text: the fixed table of next arrivals, and the directions to
// the chosen street corner or stop. Joiners are written "&&", which the labels show as one
// "&"; lines break at CR LF. Plain C++, no Qt.
#pragma once

#include <string>
#include <string_view>

namespace stopwise {

inline constexpr std::string_view LineBreak = "\r\n";

// The route column and the time column of the arrivals table, one arrival per line.
std::string ArrivalRoutes();
std::string ArrivalTimes();

struct Directions {
    std::string title;
    std::string text;
};

struct Trip {
    std::string_view street = {}, crossStreet = {}; // a trip to a street corner
    std::string_view area = {}, stop = {};          // a trip to a stop
};

// The corner's directions in the street-directions step, the stop's in any other.
Directions TripDirections(int mode, const Trip& trip);

} // namespace stopwise
