// The directions screen: writes the trip's title and numbered directions each time it
// is shown, from the choices just made.
#include "answers/AnswerTexts.h"
#include "shell/Label.h"
#include "shell/Stopwise.h"

namespace stopwise {

void Stopwise::ShowInstructions()
{
    const Directions directions =
        TripDirections(m_state.Mode, {.street = m_state.SelectedStreet,
                                      .crossStreet = m_state.SelectedCrossStreet,
                                      .area = m_state.SelectedArea,
                                      .stop = m_state.SelectedStop});
    m_controls.InstructionsTitle->setText(directions.title);
    m_controls.InstructionsText->setText(directions.text);
}

} // namespace stopwise
