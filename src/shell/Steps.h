// The kiosk's steps, the values of Mode, and the two moves that are arithmetic rather than
// a fixed target: Back and the choice of a candidate. Plain C++.
#pragma once

namespace stopwise {

enum Step : int {
    Welcome = 0,
    MainMenuStep = 1,
    NextArrivals = 2,
    SearchKind = 3,
    ChooseStreet = 4,
    ChooseCrossStreet = 5,
    ChooseArea = 6,
    ChooseStop = 7,
    StreetDirections = 8,
    StopDirections = 9,
};

constexpr bool isSearchStep(int mode)
{
    return mode > SearchKind && mode < StreetDirections;
}

// Back from the second step of a search returns to its first; from anywhere else, to the
// main menu. (Only the search steps carry a Back button.)
constexpr int stepAfterBack(int mode)
{
    return mode % 2 == 1 ? mode - 1 : MainMenuStep;
}

// Choosing a candidate: street to cross street to directions, area to stop to directions.
// Steps without candidates stay where they are.
constexpr int stepAfterChoice(int mode)
{
    switch (mode) {
    case ChooseStreet: return ChooseCrossStreet;
    case ChooseCrossStreet: return StreetDirections;
    case ChooseArea: return ChooseStop;
    case ChooseStop: return StopDirections;
    default: return mode;
    }
}

} // namespace stopwise
