#include "shell/SeatWatch.h"

#include "toolkit/Control.h"

#include <QGuiApplication>

#include <cstring>

#include <wayland-client.h>

namespace stopwise {

SeatWatch::SeatWatch()
{
    if (!QGuiApplication::platformName().startsWith(QLatin1StringView("wayland")))
        return;
    m_display = wl_display_connect(nullptr);
    if (!m_display)
        return; // the window drew through the same socket: nothing a kiosk could mend here
    static constexpr wl_registry_listener Registry{&SeatWatch::announced,
                                                   [](void*, wl_registry*, std::uint32_t) {}};
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &Registry, this);
    // The answers are read as they come, on the GUI thread: nothing here ever waits for them.
    m_reading =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(m_display), QSocketNotifier::Read);
    QObject::connect(m_reading.get(), &QSocketNotifier::activated, [this] { read(); });
    wl_display_flush(m_display);
}

SeatWatch::~SeatWatch()
{
    if (!m_display)
        return;
    m_reading.reset();
    if (m_seat)
        wl_seat_destroy(m_seat);
    wl_registry_destroy(m_registry);
    wl_display_disconnect(m_display);
}

// The first seat the compositor announces is the one the kiosk's window has: a kiosk's
// compositor has one.
void SeatWatch::announced(void* watch, wl_registry* registry, std::uint32_t name,
                          const char* interface, std::uint32_t)
{
    auto& self = *static_cast<SeatWatch*>(watch);
    if (self.m_seat || std::strcmp(interface, wl_seat_interface.name) != 0)
        return;
    static constexpr wl_seat_listener Seat{&SeatWatch::capabilities,
                                           [](void*, wl_seat*, const char*) {}};
    self.m_seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    wl_seat_add_listener(self.m_seat, &Seat, watch);
}

void SeatWatch::capabilities(void* watch, wl_seat*, std::uint32_t capabilities)
{
    auto& self = *static_cast<SeatWatch*>(watch);
    const bool touch = capabilities & WL_SEAT_CAPABILITY_TOUCH;
    if (self.m_touch && !touch)
        Control::cancelHold(); // the touchscreen went, and any finger on it with it
    self.m_touch = touch;
}

void SeatWatch::read()
{
    // The socket has something to read, so this does not wait. A connection the compositor
    // closed fails, and is read no more.
    if (wl_display_dispatch(m_display) < 0) {
        m_reading->setEnabled(false);
        return;
    }
    wl_display_flush(m_display); // the seat's binding, asked for while reading the globals
}

} // namespace stopwise
