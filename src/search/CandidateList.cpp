// The search panels: rebuilding the candidates after every key and on entering a step,
// showing them four at a time, turning pages and choosing one.
#include "catalogue/DefineData.h"
#include "search/CandidateSearch.h"
#include "search/Paging.h"
#include "search/SearchTexts.h"
#include "shell/Label.h"
#include "shell/Panel.h"
#include "shell/Picture.h"
#include "shell/Steps.h"
#include "shell/Stopwise.h"

namespace stopwise {
void Stopwise::BuildMatches()
{
    const Controls& c = m_controls;
    const int mode = m_state.Mode;
    const std::string& typed = m_state.KeyPadInput;

    // Before anything is typed the street, cross-street and area steps ask for it; the
    // list and its page stay as they were, out of sight.
    if (typed.empty() && mode != ChooseStop)
        return showPrompt(TypingPrompt(mode, m_state.SelectedStreet));

    c.StreetSelect->hide();
    c.StreetSelectList->show();
    c.SearchWord->setText(EchoText(typed));
    c.StreetSelectListTitle->setText(ListTitle(mode));
    m_state.Matches = Candidates(*m_catalogue, {.mode = mode,
                                                .typed = typed,
                                                .selectedStreet = m_state.SelectedStreet,
                                                .selectedArea = m_state.SelectedArea});
    showPagingPictures(mode, NeedsPaging(int(m_state.Matches.size())));
    m_state.DataPageNumber = 0;
    ShowMatchesPage();
}

// The prompt panel takes the place of the candidates.
void Stopwise::showPrompt(const Prompt& prompt)
{
    m_controls.StreetSelect->show();
    m_controls.StreetSelectList->hide();
    m_controls.StreetSelectTitle->setText(prompt.title);
    m_controls.StreetSelectText->setText(prompt.text);
}

// One pair of More pictures serves each step: the live one when the names need more than
// a page, the greyed one otherwise. The other pairs are hidden.
void Stopwise::showPagingPictures(int mode, bool live)
{
    const Controls& c = m_controls;
    const auto& used = mode == ChooseArea   ? c.MoreAreas
                       : mode == ChooseStop ? c.MoreStops
                                            : c.MoreStreets;
    for (const auto* pair : {&c.MoreStreets, &c.MoreAreas, &c.MoreStops}) {
        (*pair)[0]->setVisible(pair == &used && live);
        (*pair)[1]->setVisible(pair == &used && !live);
    }
}

void Stopwise::ShowMatchesPage()
{
    const Controls& c = m_controls;
    const auto& matches = m_state.Matches;
    if (matches.empty())
        return showPrompt(NoMatchPrompt(m_state.Mode, m_state.KeyPadInput, m_state.SelectedStreet,
                                        m_state.SelectedArea));
    // Rows past the end of a last page hide and keep their old text.
    const int page = m_state.DataPageNumber;
    const int rows = RowsOnPage(page, int(matches.size()));
    for (int row = 0; row < PageSize; ++row) {
        const bool shown = row < rows;
        c.SelectBtn[row]->setVisible(shown);
        c.ListItem[row]->setVisible(shown);
        if (shown)
            c.ListItem[row]->setText(matches[PageSize * page + row]);
    }
}

// Only element 0 of a More array is the live button; element 1 is its greyed look and
// element 3 of MoreStops is the card behind the list.
void Stopwise::nextPage(short index)
{
    if (index != 0 || m_state.Matches.empty()) // an empty list has no page to turn to
        return;
    m_state.DataPageNumber = NextPage(m_state.DataPageNumber, int(m_state.Matches.size()));
    ShowMatchesPage();
}

void Stopwise::MoreStreets_Click(short index)
{
    nextPage(index);
}
void Stopwise::MoreAreas_Click(short index)
{
    nextPage(index);
}
void Stopwise::MoreStops_Click(short index)
{
    nextPage(index);
}

// The choice is a copy of the row's text as it stands now; later paging does not change it.
void Stopwise::SelectBtn_Click(short index)
{
    std::string* choice = nullptr;
    switch (m_state.Mode) {
    case ChooseStreet: choice = &m_state.SelectedStreet; break;
    case ChooseCrossStreet: choice = &m_state.SelectedCrossStreet; break;
    case ChooseArea: choice = &m_state.SelectedArea; break;
    case ChooseStop: choice = &m_state.SelectedStop; break;
    default: return;
    }
    *choice = m_controls.ListItem.at(index)->text().toStdString();
    moveTo(stepAfterChoice(m_state.Mode));
}

} // namespace stopwise
