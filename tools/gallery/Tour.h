// The tour of the kiosk's screens: every screen a visitor can meet, each reached by touches
// from the one before, starting on the welcome screen. The gallery photographs it and the
// screens test compares it with the reviewed images in docs/screens/.
#pragma once

#include "KioskHarness.h"

#include <functional>

namespace stopwise::testing {

struct Sight {
    const char* name;  // the image's file name, without the scale and ".png"
    QStringList steps; // for Kiosk::walk, from the sight before
};

extern const QList<Sight> Tour;

// Walks the tour on a new kiosk and hands each screen to `look` once it shows. Returns the
// sight whose steps could not be taken and the step that found nothing to touch, or nothing.
QString walkTour(Kiosk& kiosk, const std::function<void(const Sight&)>& look);

// What the kiosk's window shows now: the pixels in its backing store once every pending
// repaint is done, as a person sees them, not a fresh rendering.
QImage photograph(QWidget& window);

// "02-main-menu.png" at scale 1, "02-main-menu@2x.png" at 2, "02-main-menu@2.5x.png" ...
QString imageName(const Sight& sight, qreal scale);

} // namespace stopwise::testing
