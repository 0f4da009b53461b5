#include "answers/Answers.h"

#include "answers/AnswerTexts.h"
#include "toolkit/Label.h"

namespace stopwise {

Answers::Answers(const KioskState& state, const Screens& screens)
    : m_state(state)
    , m_screens(screens)
{
}

void Answers::FillSchedule()
{
    m_screens.BusScheduleBList->setText(ArrivalRoutes());
    m_screens.BusScheduleTList->setText(ArrivalTimes());
}

// The corner's directions after a street search; the stop's after any other.
Directions Answers::directions() const
{
    switch (m_state.Mode) {
    case Step::StreetDirections:
        return DirectionsToCorner(m_state.SelectedStreet, m_state.SelectedCrossStreet);
    case Step::StopDirections:
    case Step::Welcome:
    case Step::MainMenu:
    case Step::NextArrivals:
    case Step::SearchType:
    case Step::Street:
    case Step::CrossStreet:
    case Step::Area:
    case Step::Stop: return DirectionsToStop(m_state.SelectedStop, m_state.SelectedArea);
    }
    return {};
}

void Answers::ShowInstructions()
{
    const Directions directions = this->directions();
    m_screens.InstructionsTitle->setText(directions.title);
    m_screens.InstructionsText->setText(directions.text);
}

} // namespace stopwise
