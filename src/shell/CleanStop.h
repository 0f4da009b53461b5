// How the kiosk ends when its service is stopped: systemd sends SIGTERM, and the kiosk leaves
// its event loop after the frame it is drawing and ends with status 0, so that a stop is a
// success and the compositor, which ends with its program's status, reports one too.
#pragma once

class QCoreApplication;

namespace stopwise {

// From now on SIGTERM quits `application`'s event loop: the handler only writes a byte into
// a socket, which the event loop reads.
void quitOnTerminate(QCoreApplication& application);

} // namespace stopwise
