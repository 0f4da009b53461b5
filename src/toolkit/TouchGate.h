// What a window lets through to its controls, watched where the window system hands it in.
// A press that a control holds ends without acting when its release will never come: the
// window system cancels the touch (a palm, a panel reset, the compositor taking it), the
// pointer leaves the window with its button down (its device gone, its grab lost), or a new
// first press arrives. And a press that begins just after a touch changed what is on show is
// that touch again, bounced or doubled, meant for the screen before: it does nothing.
#pragma once

#include <QObject>

#include <chrono>
#include <cstdint>
#include <optional>

class QWidget;

namespace stopwise {

// How long after a touch changed the screen a new press counts as that touch again. A quick
// double tap lands its second tap some 100 to 300 ms after the first, and a worn or wet panel
// reports a bounce within tens of milliseconds; nobody reads a new screen and touches it within
// a third of a second. Touches that change nothing on show (typing, turning pages) are not held
// back at all.
inline constexpr std::chrono::milliseconds SettleTime{350};

class TouchGate : public QObject {
public:
    // Watches the window system's input to `top`'s window, once it has one (it is shown).
    void watch(QWidget& top);

    // The touch being handled changed the screen: presses within SettleTime of it are dropped.
    void screenChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool settling(std::uint64_t pressedAt) const;

    std::uint64_t m_lastInput = 0;            // the time stamp of the last input seen
    std::optional<std::uint64_t> m_changedAt; // of the input that last changed the screen
};

} // namespace stopwise
