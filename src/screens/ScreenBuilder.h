// Turns the layout tables into widgets: every panel a child of the window, every control a
// child of its panel, each named after its control ("Letters(3)"), made known to assistive
// technology, and kept in its member of Screens, through which the code reaches it.
#pragma once

#include "screens/Screens.h"

class QWidget;

namespace stopwise {

// Builds the kiosk's screens on `window` and fills every member of `screens`.
void buildScreens(QWidget& window, Screens& screens);

} // namespace stopwise
