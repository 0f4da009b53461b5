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
void Answers::ShowInstructions()
{
    const Directions directions =
        m_state.Mode == Step::StreetDirections
            ? DirectionsToCorner(m_state.SelectedStreet, m_state.SelectedCrossStreet)
            : DirectionsToStop(m_state.SelectedStop, m_state.SelectedArea);
    m_screens.InstructionsTitle->setText(directions.title);
    m_screens.InstructionsText->setText(directions.text);
}

} // namespace stopwise
