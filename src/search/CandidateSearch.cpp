#include "search/CandidateSearch.h"

#include "catalogue/DefineData.h"

#include <algorithm>

namespace stopwise {
namespace {

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

template <std::size_t N, typename Offered>
void collect(std::vector<std::string_view>& out, const std::array<std::string_view, N>& names,
             std::string_view typed, Offered offered)
{
    for (std::size_t i = 0; i < N; ++i)
        if (offered(i) && MatchesPrefix(names[i], typed))
            out.push_back(names[i]);
}

} // namespace

bool MatchesPrefix(std::string_view name, std::string_view typed)
{
    return name.size() >= typed.size() &&
           std::equal(typed.begin(), typed.end(), name.begin(),
                      [](char t, char n) { return upper(t) == upper(n); });
}

std::string EchoText(std::string_view typed)
{
    if (typed.empty())
        return {};
    std::string echo(typed);
    echo.front() = upper(echo.front());
    return echo + "...";
}

std::vector<std::string_view> Candidates(const Catalogue& catalogue, const SearchInput& input)
{
    std::vector<std::string_view> out;
    const auto everyName = [](std::size_t) { return true; };
    switch (input.search) {
    case Search::Street: collect(out, catalogue.Streets, input.typed, everyName); break;
    case Search::CrossStreet: {
        const int chosen = StreetIndex(input.selectedStreet).value_or(0);
        collect(out, catalogue.Streets, input.typed,
                [&](std::size_t i) { return catalogue.CrossStreets[i][chosen]; });
        break;
    }
    case Search::Area: collect(out, catalogue.Areas, input.typed, everyName); break;
    case Search::Stop: {
        const int area = AreaIndex(input.selectedArea).value_or(0);
        collect(out, catalogue.Stops, input.typed,
                [&](std::size_t i) { return catalogue.AreaStops[i][area]; });
        break;
    }
    }
    return out;
}

} // namespace stopwise
