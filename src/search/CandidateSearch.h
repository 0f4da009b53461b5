// The rules of the candidate search: which catalogue names a typed text selects in each
// search step, and how the typed text is echoed above the list. Plain C++, no Qt.
#pragma once

#include "common/Steps.h"

#include <string>
#include <string_view>
#include <vector>

namespace stopwise {

struct Catalogue;

// A name matches when it begins with the typed text, both sides upper-cased first; only
// the letters a to z change case, so spaces, digits, dots and apostrophes must agree.
bool MatchesPrefix(std::string_view name, std::string_view typed);

// "for" shows as "For...": the first character upper-cased, the rest as typed. Nothing
// typed shows nothing.
std::string EchoText(std::string_view typed);

struct SearchInput {
    Search search = Search::Street;
    std::string_view typed = {};          // KeyPadInput
    std::string_view selectedStreet = {}; // whose cross streets step 5 offers
    std::string_view selectedArea = {};   // whose stops step 7 offers
};

// The candidates of a search step in catalogue order. A chosen street or area that is not
// in the catalogue counts as the first one. With nothing typed, the stop step lists every
// stop of the area.
std::vector<std::string_view> Candidates(const Catalogue& catalogue, const SearchInput& input);

} // namespace stopwise
