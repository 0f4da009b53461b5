#include "toolkit/TouchGate.h"

#include "toolkit/Control.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace stopwise {

void TouchGate::watch(QWidget& top)
{
    if (QWindow* window = top.window()->windowHandle())
        window->installEventFilter(this); // a second install of the same filter replaces the first
}

void TouchGate::screenChanged()
{
    m_changedAt = m_lastInput;
}

// Time stamps come from the window system's clock, in milliseconds, and may wrap round: a
// press stamped before the change belongs to another clock or another round, and goes on.
bool TouchGate::settling(std::uint64_t pressedAt) const
{
    if (!m_changedAt)
        return false;
    const auto since = std::int64_t(pressedAt) - std::int64_t(*m_changedAt);
    return since >= 0 && since < SettleTime.count();
}

bool TouchGate::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchCancel: // before the release Qt makes up for the touch's mouse
    case QEvent::Leave:       // with a button down: the pointer is gone or taken
        Control::cancelHold();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* press = static_cast<const QMouseEvent*>(event);
        m_lastInput = press->timestamp();
        if (settling(press->timestamp()))
            return true; // its release finds nothing held, and does nothing too
        if (press->buttons() == press->button())
            Control::cancelHold(); // a first press: any hold still open lost its release
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_lastInput = static_cast<const QMouseEvent*>(event)->timestamp();
        return false;
    default: return false;
    }
}

} // namespace stopwise
