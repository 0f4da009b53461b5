// The candidate side of a search: after every key and on entering a search step it rebuilds
// the candidates from the typed text (BuildMatches), shows them four at a time or the
// step's prompt in their place (ShowMatchesPage), turns the pages (the More pictures) and
// records the name whose select button is touched (SelectBtn_Click), handing the move to
// the next step back to the window.
#pragma once

#include "common/KioskState.h"

#include <array>
#include <functional>

namespace stopwise {

struct Catalogue;
struct Prompt;
class Label;
class Panel;
class Picture;

// The elements of each More array: the live button, its greyed look, and (on MoreStops
// only) the card behind the list, which takes touches and does nothing.
inline constexpr short LiveMore = 0;
inline constexpr short GreyedMore = 1;
inline constexpr short ListCard = 3;

class CandidateList {
public:
    using MorePair = std::array<Picture*, 2>; // indexed by LiveMore and GreyedMore

    struct Controls {
        Panel *StreetSelect, *StreetSelectList;
        Label *StreetSelectTitle, *StreetSelectText, *StreetSelectListTitle, *SearchWord;
        std::array<Label*, 4> ListItem;
        std::array<Picture*, 4> SelectBtn;
        MorePair MoreStreets, MoreAreas, MoreStops;
    };

    CandidateList(KioskState& state, const Catalogue& catalogue, const Controls& controls,
                  std::function<void(Step)> moveTo);

    void BuildMatches();
    void ShowMatchesPage();

    void MoreStreets_Click(short index);
    void MoreAreas_Click(short index);
    void MoreStops_Click(short index);
    void SelectBtn_Click(short index);

private:
    void nextPage(short index);
    void showPrompt(const Prompt& prompt);
    void showPagingPictures(Search search, bool live);

    KioskState& m_state;
    const Catalogue& m_catalogue;
    Controls m_controls;
    std::function<void(Step)> m_moveTo;
};

} // namespace stopwise
