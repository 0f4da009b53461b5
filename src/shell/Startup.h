// What the program settles with Qt before the kiosk fills a screen of its own: the scale
// everything is drawn at. Qt takes its scale from QT_SCALE_FACTOR as it starts, so the program
// first measures the screen at Qt's plain scale, then starts again with that variable set, in
// the same process (the compositor and systemd watch its id). Only public Qt is used, so the
// program runs with any Qt build of its release.
#pragma once

namespace stopwise {

// True in the run started again with the scale set. Otherwise the screen is yet to be measured,
// and any scale the environment sets is cleared so that it is measured as the window system
// reports it. Call before Qt starts.
bool startedFitted();

// Measures the primary screen and starts this program again, with `argv` as it was given, at
// the largest scale at which the screens' extent fits it. Returns only where that cannot be
// done, a screen without a usable size or a failed start, after saying why on stderr: the
// kiosk then runs at Qt's plain scale. Call where no Qt application object exists.
void startAgainFitted(int argc, char* argv[]);

// The part of the scale that Qt applies itself (QT_SCALE_FACTOR), as against the window
// system's own ratio: 1 where none is set.
double ownScale();

} // namespace stopwise
