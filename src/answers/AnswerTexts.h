// The kiosk's two answers as text: the fixed table of next arrivals, and the directions to
// the chosen street corner or stop. Joiners are written "&&", which the labels show as one
// "&"; lines break at CR LF. Plain C++, no Qt.
#pragma once

#include <string>
#include <string_view>

namespace stopwise {

// The route column and the time column of the arrivals table, one arrival per line.
std::string ArrivalRoutes();
std::string ArrivalTimes();

struct Directions {
    std::string title;
    std::string text;
};

// To the corner of a street and one of its cross streets.
Directions DirectionsToCorner(std::string_view street, std::string_view crossStreet);
// To a stop in an area or township.
Directions DirectionsToStop(std::string_view stop, std::string_view area);

} // namespace stopwise
