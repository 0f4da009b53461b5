// What the search panels say: the prompt of each step before anything is typed, the
// answer when nothing matches, and the title above the candidates. Plain C++, no Qt.
#pragma once

#include <string>
#include <string_view>

namespace stopwise {

struct Prompt {
    std::string title;
    std::string text;
};

// Steps 4 to 6 with nothing typed. Step 5 names the street whose cross streets it offers.
Prompt TypingPrompt(int mode, std::string_view selectedStreet);

// Any search step whose typed text selects nothing; the typed text stands in straight
// double quotes, and steps 5 and 7 name the chosen street or area.
Prompt NoMatchPrompt(int mode, std::string_view typed, std::string_view selectedStreet,
                     std::string_view selectedArea);

// The title above the candidate list.
std::string_view ListTitle(int mode);

} // namespace stopwise
