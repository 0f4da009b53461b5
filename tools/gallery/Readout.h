// What a screen reader offers on a screen: every button on show, named as it is read out.
// The screens tool writes it for every screen of the tour beside the reviewed images, and the
// screens test compares it, so that a button that loses its words, a picture that poses as a
// button or a hidden one that stays reachable shows as a changed line to review.
#pragma once

#include <QString>

class QWidget;

namespace stopwise::testing {

// The file, beside the reviewed images, that holds the read-out of every screen.
inline constexpr char ReadoutFile[] = "readout.txt";

// "== NAME" for the screen, then one "control=name" line for each button on show, sorted,
// with " (pressed)" or " (unavailable)" where a screen reader says so.
QString readOut(const char* screen, const QWidget& window);

} // namespace stopwise::testing
