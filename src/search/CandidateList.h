// The candidate side of a search: after every key and on entering a search step it rebuilds
// the candidates from the typed text (BuildMatches), shows them four at a time or the
// step's prompt in their place (ShowMatchesPage), turns the pages (the More pictures) and
// records the name whose select button is touched (SelectBtn_Click), handing the move to
// the next step back to the window.
#pragma once

#include "common/KioskState.h"
#include "screens/Screens.h"

#include <QObject>

#include <functional>

namespace stopwise {

struct Catalogue;
struct Prompt;
class Stage;

class CandidateList : public QObject {
    Q_OBJECT
public:
    CandidateList(KioskState& state, const Catalogue& catalogue, const Screens& screens,
                  Stage& stage, std::function<void(Step)> moveTo);

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
    const Screens& m_screens;
    Stage& m_stage;
    std::function<void(Step)> m_moveTo;
};

} // namespace stopwise
