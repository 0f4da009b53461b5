// The kiosk's two answers on screen: the arrivals table, filled once at start, and the
// directions, written from the trip's choices each time their screen is shown.
#pragma once

#include "common/KioskState.h"

namespace stopwise {

class Label;

class Answers {
public:
    struct Controls {
        Label *BusScheduleBList, *BusScheduleTList; // the route and time columns
        Label *InstructionsTitle, *InstructionsText;
    };

    Answers(const KioskState& state, const Controls& controls);

    void FillSchedule();
    void ShowInstructions();

private:
    const KioskState& m_state;
    Controls m_controls;
};

} // namespace stopwise
