// A kiosk window that nobody can hide. The kiosk's window asks for no minimize box, but a
// window manager may add one, or offer minimizing in a menu or on a key: minimized, the
// window shows itself again at once, in the state it had.
#pragma once

class QWidget;

namespace stopwise {

void keepOnScreen(QWidget& window);

} // namespace stopwise
