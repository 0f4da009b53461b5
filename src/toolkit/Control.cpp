#include "toolkit/Control.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace stopwise {

Control::Control(QWidget* parent, short index)
    : QWidget(parent)
    , m_index(index)
{
}

bool Control::hasTouchAction() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Control::pressed)) ||
           isSignalConnected(QMetaMethod::fromSignal(&Control::released)) ||
           isSignalConnected(QMetaMethod::fromSignal(&Control::clicked));
}

void Control::tap()
{
    emit pressed(m_index);
    emit released(m_index);
    emit clicked(m_index);
}

void Control::mousePressEvent(QMouseEvent* event)
{
    event->accept(); // a control with no action still takes the touch: nothing lies below it
    if (event->button() != Qt::LeftButton)
        return;
    m_held = true;
    emit pressed(m_index);
}

// A quick second tap arrives as a double click; it is a press like any other.
void Control::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void Control::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_held)
        return;
    m_held = false;
    emit released(m_index);
    if (rect().contains(event->position().toPoint()))
        emit clicked(m_index);
}

// A control hidden while held will not see the release; its next press starts afresh.
void Control::hideEvent(QHideEvent*)
{
    m_held = false;
}

} // namespace stopwise
