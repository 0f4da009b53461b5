// Everything the kiosk remembers while it runs, apart from the fixed catalogue: the step
// on show, what has been typed, the candidate page, the four choices of the trips, and the
// candidate names of the current search. Nothing of it is saved. Plain C++.
#pragma once

#include "common/Steps.h"

#include <string>
#include <string_view>
#include <vector>

namespace stopwise {

struct KioskState {
    std::string KeyPadInput; // lower-case letters and digits, as typed
    Step Mode = Step::Welcome;
    int DataPageNumber = 0; // the candidate page on show, from 0
    std::string SelectedStreet;
    std::string SelectedCrossStreet;
    std::string SelectedArea;
    std::string SelectedStop;
    std::vector<std::string_view> Matches; // catalogue names, in catalogue order
};

} // namespace stopwise
