// The kiosk's two answers on screen: the arrivals table, filled once at start, and the
// directions, written from the trip's choices each time their screen is shown.
#pragma once

#include "answers/AnswerTexts.h"
#include "common/KioskState.h"
#include "screens/Screens.h"

namespace stopwise {

class Answers {
public:
    Answers(const KioskState& state, const Screens& screens);

    void FillSchedule();
    void ShowInstructions();

private:
    Directions directions() const;

    const KioskState& m_state;
    const Screens& m_screens;
};

} // namespace stopwise
