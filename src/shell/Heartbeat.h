// Tells the service manager that the kiosk is on screen, and keeps telling it only while its
// frames reach the compositor. Under a unit of Type=notify with a watchdog, the kiosk reports
// READY=1 once the compositor has taken its first frame, and then, at a steady pace, WATCHDOG=1
// each time a frame the compositor took lets the next one through: a window's update request
// is delivered on Wayland only after the compositor's frame callback for the previous frame. So
// a frozen kiosk (no event loop) and a frozen compositor (no frame callbacks) both stop the
// reports, and systemd ends the session and starts it again. So does a compositor that stalls
// for longer than Qt waits for a frame callback (about a second was enough with Qt 6.4): Qt
// then takes the window for hidden and draws nothing more in it, a dead screen that only a
// new session mends. Where no service manager listens (no NOTIFY_SOCKET: a desktop without
// the unit, the tests) nothing changes.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>

class QWidget;
class QWindow;

namespace stopwise {

// Where the service manager listens, and how often it wants to hear from the kiosk.
struct ServiceManager {
    QByteArray socket;                    // NOTIFY_SOCKET; empty: nobody listens
    std::chrono::microseconds watchdog{}; // WATCHDOG_USEC; zero: no watchdog
};

// Takes NOTIFY_SOCKET, WATCHDOG_USEC and WATCHDOG_PID out of the environment, so that no
// process the kiosk may start can report ready or stopping in its name. Call first in main,
// while the process has one thread. WATCHDOG_PID is not checked: under the stop's session it
// names the compositor, the service's main process, and the kiosk reports for both.
ServiceManager takeServiceManager();

class Heartbeat : public QObject {
public:
    // Reports on `shown`'s frames; call once it is shown. Does nothing without a socket.
    Heartbeat(ServiceManager manager, QWidget& shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askForFrame();
    void report(const char* state);

    ServiceManager m_manager;
    QWidget& m_shown;
    QWindow* m_window = nullptr;
    QTimer m_pace;
    bool m_exposed = false; // the window has been drawn: requests wait for its frames
    bool m_asked = false;
    int m_framesThrough = 0;
};

} // namespace stopwise
