#include "search/CandidateList.h"

#include "screens/Stage.h"
#include "search/CandidateSearch.h"
#include "search/Paging.h"
#include "search/SearchTexts.h"
#include "toolkit/Label.h"
#include "toolkit/Picture.h"

namespace stopwise {
namespace {

static_assert(PageSize == ListRows, "a page of candidates fills the list's rows");

// Where the choice of each search is kept.
std::string KioskState::*selectionOf(Search search)
{
    switch (search) {
    case Search::Street: return &KioskState::SelectedStreet;
    case Search::CrossStreet: return &KioskState::SelectedCrossStreet;
    case Search::Area: return &KioskState::SelectedArea;
    case Search::Stop: return &KioskState::SelectedStop;
    }
    return nullptr;
}

// The More pictures that page each search's candidates.
std::array<Picture*, MoreLooks> Screens::*pagingOf(Search search)
{
    switch (search) {
    case Search::Street:
    case Search::CrossStreet: return &Screens::MoreStreets;
    case Search::Area: return &Screens::MoreAreas;
    case Search::Stop: return &Screens::MoreStops;
    }
    return nullptr;
}

} // namespace

CandidateList::CandidateList(KioskState& state, const Catalogue& catalogue, const Screens& screens,
                             Stage& stage, std::function<void(Step)> moveTo)
    : m_state(state)
    , m_catalogue(catalogue)
    , m_screens(screens)
    , m_stage(stage)
    , m_moveTo(std::move(moveTo))
{
}

void CandidateList::BuildMatches()
{
    const auto search = searchOf(m_state.Mode);
    if (!search) // only the search steps have candidates
        return;
    const std::string& typed = m_state.KeyPadInput;

    // Before anything is typed the street, cross-street and area steps ask for it; the
    // list and its page stay as they were, out of sight.
    if (typed.empty())
        if (const auto prompt = TypingPrompt(*search, m_state.SelectedStreet))
            return showPrompt(*prompt);

    const Screens& c = m_screens;
    m_stage.showCandidates();
    c.SearchWord->setText(EchoText(typed));
    c.StreetSelectListTitle->setText(ListTitle(*search));
    m_state.Matches = Candidates(m_catalogue, {.search = *search,
                                               .typed = typed,
                                               .selectedStreet = m_state.SelectedStreet,
                                               .selectedArea = m_state.SelectedArea});
    showPagingPictures(*search, NeedsPaging(int(m_state.Matches.size())));
    m_state.DataPageNumber = 0;
    ShowMatchesPage();
}

// The prompt panel takes the place of the candidates.
void CandidateList::showPrompt(const Prompt& prompt)
{
    m_stage.showPrompt();
    m_screens.StreetSelectTitle->setText(prompt.title);
    m_screens.StreetSelectText->setText(prompt.text);
}

// One pair of More pictures serves each search: the live one when the names need more than
// a page, the greyed one otherwise. The other pairs are hidden.
void CandidateList::showPagingPictures(Search search, bool live)
{
    const auto used = pagingOf(search);
    for (const auto pair : {&Screens::MoreStreets, &Screens::MoreAreas, &Screens::MoreStops}) {
        (m_screens.*pair)[LiveMore]->setVisible(pair == used && live);
        (m_screens.*pair)[GreyedMore]->setVisible(pair == used && !live);
    }
}

void CandidateList::ShowMatchesPage()
{
    const auto& matches = m_state.Matches;
    const auto search = searchOf(m_state.Mode);
    if (!search)
        return;
    if (matches.empty())
        return showPrompt(NoMatchPrompt(*search, m_state.KeyPadInput, m_state.SelectedStreet,
                                        m_state.SelectedArea));
    // Rows past the end of a last page hide and keep their old text.
    const int page = m_state.DataPageNumber;
    const int rows = RowsOnPage(page, int(matches.size()));
    for (int row = 0; row < PageSize; ++row) {
        const bool shown = row < rows;
        m_screens.SelectBtn[row]->setVisible(shown);
        m_screens.ListItem[row]->setVisible(shown);
        if (shown)
            m_screens.ListItem[row]->setText(matches[PageSize * page + row]);
    }
}

// Only the live element of a More array turns the page.
void CandidateList::nextPage(short index)
{
    if (index != LiveMore)
        return;
    m_state.DataPageNumber = NextPage(m_state.DataPageNumber, int(m_state.Matches.size()));
    ShowMatchesPage();
}

void CandidateList::MoreStreets_Click(short index)
{
    nextPage(index);
}
void CandidateList::MoreAreas_Click(short index)
{
    nextPage(index);
}
void CandidateList::MoreStops_Click(short index)
{
    nextPage(index);
}

// The choice is a copy of the row's text as it stands now; later paging does not change it.
void CandidateList::SelectBtn_Click(short index)
{
    const auto search = searchOf(m_state.Mode);
    if (!search)
        return;
    m_state.*selectionOf(*search) = m_screens.ListItem.at(index)->text().toStdString();
    m_moveTo(stepAfterChoice(*search));
}

} // namespace stopwise
