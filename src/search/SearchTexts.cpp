#include "search/SearchTexts.h"

#include "shell/Joined.h"
#include "shell/Steps.h"

namespace stopwise {

// The prompts and the list titles differ in capitals from one another ("Select a street:"
// before typing, "Select a Street:" when nothing matches); each is written as it shows.

Prompt TypingPrompt(int mode, std::string_view selectedStreet)
{
    switch (mode) {
    case ChooseStreet:
        return {"Select a street:", "Use the buttons on the left to type in the name of the "
                                    "street you want to go to."};
    case ChooseCrossStreet:
        return {"Select a cross Street:",
                joined("What cross street of ", selectedStreet, " do you want to go to?")};
    default:
        return {"Select an area or township:", "Use the buttons on the left to type in the name "
                                               "of the area or township you want to go to."};
    }
}

Prompt NoMatchPrompt(int mode, std::string_view typed, std::string_view selectedStreet,
                     std::string_view selectedArea)
{
    constexpr std::string_view Q = "\"";
    switch (mode) {
    case ChooseStreet:
        return {"Select a Street:", joined("I don't know any streets that start with ", Q, typed, Q,
                                           ". Press clear and try another street.")};
    case ChooseCrossStreet:
        return {"Select a Cross Street:",
                joined("I don't know any cross streets of ", selectedStreet, " that start with ", Q,
                       typed, Q, ". Press clear and try another street.")};
    case ChooseArea:
        return {"Select an area or township:",
                joined("I don't know any areas or townships that start with ", Q, typed, Q,
                       ". Press clear and try another.")};
    default:
        return {"Select a stop:",
                joined("I don't know any stops in ", selectedArea, " that start with ", Q, typed, Q,
                       ". Press clear and try another.")};
    }
}

std::string_view ListTitle(int mode)
{
    switch (mode) {
    case ChooseStreet: return "Select a street:";
    case ChooseCrossStreet: return "Select a cross Street:";
    case ChooseArea: return "Select an Area:";
    default: return "Select a stop:";
    }
}

} // namespace stopwise
