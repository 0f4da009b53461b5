// What the kiosk tells assistive technology, for people who cannot read the screen. Every
// control that acts on a touch is a button named with the words a person sees on it; a
// select button is named "Select" and the name in its row, kept current as pages turn; the
// greyed paging buttons are buttons that are unavailable. Labels are static text, read as
// drawn ("&&" as one "&"). The card behind the lists is a graphic: touching it does nothing,
// so it does not pose as a button. Buttons offer a press action that taps them.
#pragma once

class QWidget;

namespace stopwise {

// Registers the kiosk's accessible interfaces and has `window`'s labels announce their
// changes, the names of the select buttons beside them included. Call once the screens
// are built.
void makeAccessible(QWidget& window);

} // namespace stopwise
