// Turns the layout tables into widgets: every panel as a child of the window, every
// control as a child of its panel, each named after its control ("Letters(3)"), and makes
// them known to assistive technology.
#pragma once

class QWidget;

namespace stopwise {

void buildScreens(QWidget* window);

} // namespace stopwise
