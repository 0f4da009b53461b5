// What the search panels say: the prompt of each step before anything is typed, the
// answer when nothing matches, and the title above the candidates. Plain C++, no Qt.
#pragma once

#include "common/Steps.h"

#include <optional>
#include <string>
#include <string_view>

namespace stopwise {

struct Prompt {
    std::string title;
    std::string text;
};

// What the search asks for before anything is typed. The cross-street prompt names the
// street whose cross streets it offers. The stop search asks nothing: it opens on the
// chosen area's stops.
std::optional<Prompt> TypingPrompt(Search search, std::string_view selectedStreet);

// A search whose typed text selects nothing; the typed text stands in straight double
// quotes, and the cross-street and stop searches name the chosen street or area.
Prompt NoMatchPrompt(Search search, std::string_view typed, std::string_view selectedStreet,
                     std::string_view selectedArea);

// The title above the candidate list.
std::string_view ListTitle(Search search);

} // namespace stopwise
