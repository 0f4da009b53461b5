// What the program settles with Qt before the kiosk's window exists: on a screen of its own,
// the scale everything is drawn at.
#pragma once

class QScreen;

namespace stopwise {

// Draws everything at the largest scale at which the screens' extent fits `screen`: Qt's
// own high-DPI scaling, as QT_SCALE_FACTOR would set it, worked out from the screen's size in
// device pixels. Call before any window exists.
void scaleToFit(const QScreen& screen);

} // namespace stopwise
