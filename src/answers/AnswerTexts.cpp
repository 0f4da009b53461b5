#include "answers/AnswerTexts.h"

#include "common/Joined.h"

#include <array>

namespace stopwise {
namespace {

struct Arrival {
    std::string_view route;
    std::string_view time;
};

// The next arrivals at this stop, earliest first; the kiosk has no clock to update them.
constexpr std::array<Arrival, 4> Arrivals = {{
    {"61C", "10:03"},
    {"61B", "10:05"},
    {"501F", "10:07"},
    {"28X", "10:15"},
}};

template <typename Field> std::string column(Field field)
{
    std::string text;
    for (const Arrival& arrival : Arrivals) {
        if (!text.empty())
            text += LineBreak;
        text += arrival.*field;
    }
    return text;
}

} // namespace

std::string ArrivalRoutes()
{
    return column(&Arrival::route);
}
std::string ArrivalTimes()
{
    return column(&Arrival::time);
}

Directions DirectionsToCorner(std::string_view street, std::string_view crossStreet)
{
    return {joined("To get to ", street, " && ", crossStreet, ":"),
            joined("1. Take the 28X on this side of the street to Forbes Ave && Morewood Ave.",
                   LineBreak, "2. Walk Across the street.", LineBreak, "3. Take the 61C to ",
                   street, " && ", crossStreet)};
}

Directions DirectionsToStop(std::string_view stop, std::string_view area)
{
    return {joined("To get to the ", stop, " in ", area, ":"),
            joined("1. Take the 61C on this side of the street to ", stop, LineBreak)};
}

} // namespace stopwise
