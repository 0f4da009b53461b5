#include "answers/Answers.h"

#include "answers/AnswerTexts.h"
#include "toolkit/Label.h"

namespace stopwise {

Answers::Answers(const KioskState& state, const Controls& controls)
    : m_state(state)
    , m_controls(controls)
{
}

void Answers::FillSchedule()
{
    m_controls.BusScheduleBList->setText(ArrivalRoutes());
    m_controls.BusScheduleTList->setText(ArrivalTimes());
}

// The corner's directions after a street search; the stop's after any other.
void Answers::ShowInstructions()
{
    const Directions directions =
        m_state.Mode == Step::StreetDirections
            ? DirectionsToCorner(m_state.SelectedStreet, m_state.SelectedCrossStreet)
            : DirectionsToStop(m_state.SelectedStop, m_state.SelectedArea);
    m_controls.InstructionsTitle->setText(directions.title);
    m_controls.InstructionsText->setText(directions.text);
}

} // namespace stopwise
