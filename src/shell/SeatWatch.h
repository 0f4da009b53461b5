// The seat's touch devices, watched for a touchscreen taken away with a finger on it. Unplugged,
// reset or cut off, it ends that touch with nothing at all: the compositor takes the touch
// away from the seat, and Qt's Wayland plugin tells the window nothing, so the key under the
// finger would stay drawn as held until the next touch. So on Wayland the kiosk also watches
// the seat, on a connection of its own to the compositor, and when the seat loses its last
// touch device it ends any hold as a cancelled touch does. Elsewhere (X, the tests) it does
// nothing.
#pragma once

#include <QSocketNotifier>

#include <cstdint>
#include <memory>

struct wl_display;
struct wl_registry;
struct wl_seat;

namespace stopwise {

class SeatWatch {
public:
    // Connects to the compositor of a Wayland session; call once Qt is up.
    SeatWatch();
    ~SeatWatch();
    SeatWatch(const SeatWatch&) = delete;
    SeatWatch& operator=(const SeatWatch&) = delete;

private:
    static void announced(void* watch, wl_registry* registry, std::uint32_t name,
                          const char* interface, std::uint32_t version);
    static void capabilities(void* watch, wl_seat* seat, std::uint32_t capabilities);
    void read();

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    bool m_touch = false; // the seat has a touch device
    std::unique_ptr<QSocketNotifier> m_reading;
};

} // namespace stopwise
