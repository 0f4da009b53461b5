#include "shell/Heartbeat.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <systemd/sd-daemon.h>

namespace stopwise {

namespace {

QByteArray take(const char* name)
{
    QByteArray value = qgetenv(name);
    qunsetenv(name);
    return value;
}

// Reports per watchdog interval: one or two frames may be slow before the watchdog bites.
constexpr int ReportsPerInterval = 4;

// The update requests that must come through once the window is exposed before the kiosk is
// on screen: the first waits for the window's first frame, the second for the pixel drawn
// again after the first.
constexpr int RequestsBeforeReady = 2;

} // namespace

ServiceManager takeServiceManager()
{
    ServiceManager manager{take("NOTIFY_SOCKET"), {}};
    bool number = false;
    const qlonglong interval = take("WATCHDOG_USEC").toLongLong(&number);
    if (number && interval > 0)
        manager.watchdog = std::chrono::microseconds(interval);
    take("WATCHDOG_PID");
    return manager;
}

Heartbeat::Heartbeat(ServiceManager manager, QWidget& shown)
    : m_manager(std::move(manager))
    , m_shown(shown)
{
    if (m_manager.socket.isEmpty())
        return;
    m_window = shown.windowHandle();
    m_window->installEventFilter(this);
    using namespace std::chrono;
    m_pace.setInterval(duration_cast<milliseconds>(m_manager.watchdog / ReportsPerInterval));
    m_pace.callOnTimeout(this, &Heartbeat::askForFrame);
}

void Heartbeat::askForFrame()
{
    if (m_asked)
        return; // the last request has not come through yet: nothing to report
    m_asked = true;
    m_window->requestUpdate();
}

bool Heartbeat::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::Expose && !m_exposed && m_window->isExposed()) {
        // Until now nothing was drawn, so no request waited for a frame. The window draws
        // once this event is through; the first request waits for that frame.
        m_exposed = true;
        QTimer::singleShot(0, this, &Heartbeat::askForFrame);
    }
    if (event->type() != QEvent::UpdateRequest || !m_asked)
        return false;
    m_asked = false;
    // One pixel of the window drawn again: the frame the next request waits for.
    m_shown.update(0, 0, 1, 1);
    ++m_framesThrough;
    if (m_framesThrough < RequestsBeforeReady) {
        QTimer::singleShot(0, this, &Heartbeat::askForFrame);
    } else if (m_framesThrough == RequestsBeforeReady) {
        report("READY=1");
        if (m_manager.watchdog.count() > 0)
            m_pace.start();
    } else {
        report("WATCHDOG=1");
    }
    return false; // the window still draws what it was asked to
}

void Heartbeat::report(const char* state)
{
    // libsystemd finds the socket only in the environment: it is there for this one report,
    // on the GUI thread, and sd_notify takes it out again at once.
    qputenv("NOTIFY_SOCKET", m_manager.socket);
    sd_notify(1, state);
}

} // namespace stopwise
