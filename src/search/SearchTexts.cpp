#include "search/SearchTexts.h"

#include "common/Joined.h"

namespace stopwise {

// The prompts and the list titles differ in capitals from one another ("Select a street:"
// before typing, "Select a Street:" when nothing matches); each is written as it shows.

std::optional<Prompt> TypingPrompt(Search search, std::string_view selectedStreet)
{
    switch (search) {
    case Search::Street:
        return Prompt{"Select a street:", "Use the buttons on the left to type in the name of "
                                          "the street you want to go to."};
    case Search::CrossStreet:
        return Prompt{"Select a cross Street:",
                      joined("What cross street of ", selectedStreet, " do you want to go to?")};
    case Search::Area:
        return Prompt{"Select an area or township:",
                      "Use the buttons on the left to type in the name of the area or township "
                      "you want to go to."};
    case Search::Stop: return std::nullopt;
    }
    return std::nullopt;
}

Prompt NoMatchPrompt(Search search, std::string_view typed, std::string_view selectedStreet,
                     std::string_view selectedArea)
{
    constexpr std::string_view Q = "\"";
    switch (search) {
    case Search::Street:
        return {"Select a Street:", joined("I don't know any streets that start with ", Q, typed, Q,
                                           ". Press clear and try another street.")};
    case Search::CrossStreet:
        return {"Select a Cross Street:",
                joined("I don't know any cross streets of ", selectedStreet, " that start with ", Q,
                       typed, Q, ". Press clear and try another street.")};
    case Search::Area:
        return {"Select an area or township:",
                joined("I don't know any areas or townships that start with ", Q, typed, Q,
                       ". Press clear and try another.")};
    case Search::Stop:
        return {"Select a stop:",
                joined("I don't know any stops in ", selectedArea, " that start with ", Q, typed, Q,
                       ". Press clear and try another.")};
    }
    return {};
}

std::string_view ListTitle(Search search)
{
    switch (search) {
    case Search::Street: return "Select a street:";
    case Search::CrossStreet: return "Select a cross Street:";
    case Search::Area: return "Select an Area:";
    case Search::Stop: return "Select a stop:";
    }
    return {};
}

} // namespace stopwise
